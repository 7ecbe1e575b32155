// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace morvent::test {

// For the Windows programs' tests under Wine: the Linux simulated controller (morvent-sim, the
// program named by MORVENT_LINUX_SIM) serving a pseudo-terminal that is linked into this Wine
// prefix as a COM port, so that the Windows serial component opens it as it would a USB adapter.
// Wine starts a Linux program as it would a Windows one; a small shell beside the simulator
// (com-link.sh) makes the link, serves while this object lives, and ends the simulator and
// removes the link when it goes.
class LinuxSimulator {
public:
    // `arguments` are morvent-sim's own knobs (`--listen 19200`, `--pace`...).
    explicit LinuxSimulator(const QStringList& arguments = {});
    ~LinuxSimulator();
    LinuxSimulator(const LinuxSimulator&) = delete;
    LinuxSimulator& operator=(const LinuxSimulator&) = delete;

    // The COM port it is linked as ("COM12"); empty, with error() saying why, when it did not
    // start.
    const QString& port() const { return m_port; }
    const QString& error() const { return m_error; }
    // Pulls the cable: the line hangs up and stays so.
    void hangUp();

    // Why no Linux simulator can be had here (not under Wine, MORVENT_LINUX_SIM not set), or
    // empty when one can: for a test to skip with.
    static QString unavailable();

private:
    // Where the shell and this object speak: a Linux folder, seen from here through drive Z:.
    QTemporaryDir m_folder;
    QString m_port;
    QString m_error;
};

} // namespace morvent::test
