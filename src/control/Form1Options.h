// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "LineTiming.h"
#include "PortList.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;

namespace morvent {

// What the file choosers of Load Backup and Compare With File list, in the window's language.
inline QString parameterFileFilter() {
    return QCoreApplication::translate("morvent::TForm1", "Parameter files (*.el);;All files (*)");
}

// What the main window takes from outside: where its ports come from, the simulated controller
// to list first (demo mode), and how a web address is opened.
struct Form1Options {
    PortSource ports = systemSerialPorts;
    // Listed first in the Port list when set: the built-in simulated controller's device.
    QString simulatedDevice;
    std::function<void(const QUrl&)> openUrl;
    // Where the last port used successfully is remembered; empty: the user's settings.
    QString settingsFile;
    // Where every Read Flash keeps a backup; empty: "backups" in the user's data directory.
    QString backupsDirectory;
    // Ask for the file to compare with (starting in the folder given) and for the file to record
    // live readings to; an empty answer means the user thought better of it. Empty functions:
    // file dialogs.
    std::function<QString(const QString& folder)> chooseComparisonFile;
    std::function<QString()> chooseRecordingFile;
    // Ask for the backup to load, starting in the folder given; empty answer or function: as
    // above.
    std::function<QString(const QString& folder)> chooseBackupFile;
    // Ask for the report's line for the bike or customer, its file, and the printer; empty
    // functions: the usual dialogs.
    std::function<std::optional<QString>()> askReportNote;
    std::function<QString()> chooseReportFile;
    std::function<bool(QPrinter&)> choosePrinter;
    // Fills in and accepts File > "Report Settings..." (false: cancelled); empty: the dialog.
    std::function<bool(QDialog&)> fillReportSettings;
    // The line's waits: the controller's own unless a test shortens them.
    LineTiming timing = kControllerTiming;
};

} // namespace morvent
