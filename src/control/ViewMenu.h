// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QCoreApplication>

class QAction;
class QMainWindow;
class QMenu;
class QSettings;
class QWidget;

namespace morvent {

class TrafficLog;

// The window's View menu, before Help: the traffic log (docked, floating beside the window)
// shown or hidden, and the language of the next start, kept in the settings; and F10 to open the
// menu bar as other desktops' programs do.
class ViewMenu {
    Q_DECLARE_TR_FUNCTIONS(morvent::ViewMenu)

public:
    static void add(QMainWindow& window, QAction& before, TrafficLog& log, QSettings& settings);

private:
    static void addLanguages(QMainWindow& window, QMenu& view, QSettings& settings);
    // Where the traffic log floats when first shown.
    static void placeLog(QMainWindow& window, QWidget& log);
};

} // namespace morvent
