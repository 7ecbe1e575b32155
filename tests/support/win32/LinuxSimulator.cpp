// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LinuxSimulator.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <windows.h>

namespace morvent::test {

namespace {

// Wine shows the Linux file system as drive Z:, and starts a Linux program found there as it
// would a Windows one.
const QString kLinuxRoot = QStringLiteral("Z:");

bool touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

QString LinuxSimulator::unavailable() {
    if (qEnvironmentVariable("MORVENT_LINUX_SIM").isEmpty()) {
        return QStringLiteral("MORVENT_LINUX_SIM names no Linux morvent-sim (run the Windows "
                              "tests with ctest --preset windows)");
    }
    if (!QFileInfo::exists(kLinuxRoot + QStringLiteral("/bin/bash"))) {
        return QStringLiteral("not running under Wine");
    }
    return {};
}

LinuxSimulator::LinuxSimulator(const QStringList& arguments)
    : m_folder(kLinuxRoot + QStringLiteral("/tmp/morvent-wine-XXXXXX")) {
    if (const QString why = unavailable(); !why.isEmpty()) {
        m_error = why;
        return;
    }
    if (!m_folder.isValid() || !touch(m_folder.filePath(QStringLiteral("lease")))) {
        m_error = QStringLiteral("no folder in /tmp for the simulator's shell");
        return;
    }
    QStringList words{kLinuxRoot + QStringLiteral("/bin/bash"),
                      QStringLiteral(MORVENT_COM_LINK_SCRIPT), m_folder.path().mid(2),
                      qEnvironmentVariable("MORVENT_LINUX_SIM")};
    words += arguments;
    std::wstring command = words.join(QLatin1Char(' ')).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        m_error = QStringLiteral("/bin/bash did not start (error %1)").arg(GetLastError());
        return;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    QFile answer(m_folder.filePath(QStringLiteral("port")));
    const QDeadlineTimer deadline(15000);
    while (!answer.exists() && !deadline.hasExpired()) {
        QThread::msleep(10);
    }
    const QString line = answer.open(QIODevice::ReadOnly)
                             ? QString::fromUtf8(answer.readLine()).trimmed()
                             : QString();
    if (line.startsWith(QStringLiteral("COM"))) {
        m_port = line;
    } else {
        m_error = line.isEmpty() ? QStringLiteral("the simulator gave no COM port in time") : line;
    }
}

LinuxSimulator::~LinuxSimulator() {
    // The shell ends the simulator, removes the link, then the answer, within its 50 ms
    // look-round; waiting for that keeps a later test from finding the COM name still taken.
    QFile::remove(m_folder.filePath(QStringLiteral("lease")));
    const QString answer = m_folder.filePath(QStringLiteral("port"));
    const QDeadlineTimer deadline(5000);
    while (!m_port.isEmpty() && QFileInfo::exists(answer) && !deadline.hasExpired()) {
        QThread::msleep(10);
    }
}

void LinuxSimulator::hangUp() {
    touch(m_folder.filePath(QStringLiteral("hangup")));
}

} // namespace morvent::test
