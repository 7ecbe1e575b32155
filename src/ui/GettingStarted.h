// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QDialog>

class QTextBrowser;

namespace morvent {

class Form1Ui;

// The first steps for a newcomer, from a controller on the bench to a report of what it holds,
// in a window of the program's own that stays open beside the work (Esc closes it). Buttons and
// menus are named as the main window shows them, in its language, so the words match what is
// on the screen.
class GettingStarted final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 540;

    GettingStarted(const Form1Ui& ui, QWidget* parent);

    // The steps as they read with the main window's captions as they are now.
    QString steps() const;
    QTextBrowser* text() const { return m_text; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Form1Ui& m_ui;
    QTextBrowser* m_text;
};

} // namespace morvent
