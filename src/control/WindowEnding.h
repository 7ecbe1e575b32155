// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "EndingRequests.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

class QSocketNotifier;

namespace morvent {

class TForm1;

// Ends the window program in order when the system asks it to end (SIGINT, SIGTERM or SIGHUP:
// a logout, a shutdown, kill; on Windows the end of the session at a logout or a shutdown): the
// main window is closed as if its user had closed it, without the question about unwritten
// changes (they are kept among the backups), which puts the port's own settings back and lets
// other programs open it, and every event loop ends, also that of a message box still open.
class WindowEnding : public QObject, public QAbstractNativeEventFilter {
public:
    explicit WindowEnding(TForm1& form);
    ~WindowEnding() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void end();

    TForm1& m_form;
    EndingRequests m_requests;
    QSocketNotifier* m_notifier = nullptr;
    bool m_ending = false;
};

} // namespace morvent
