// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "EndingSignals.h"

#include <QObject>

class QSocketNotifier;

namespace morvent {

class TForm1;

// Ends the window program in order when SIGINT, SIGTERM or SIGHUP come (a logout, a shutdown,
// kill): the main window is closed as if its user had closed it, without the question about
// unwritten changes (they are kept among the backups), which puts the port's own settings back
// and lets other programs open it, and every event loop ends, also that of a message box still
// open.
class WindowEnding : public QObject {
public:
    explicit WindowEnding(TForm1& form);
    ~WindowEnding() override;

private:
    EndingSignals m_signals;
    QSocketNotifier* m_notifier = nullptr;
    bool m_ending = false;
};

} // namespace morvent
