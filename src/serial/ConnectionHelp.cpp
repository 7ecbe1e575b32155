// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ConnectionHelpTexts.h"

#include <QCoreApplication>

namespace morvent::connectionHelp {

QString permissionByGroup(const QString& path, const QString& group) {
    return QCoreApplication::translate(
               "ConnectionHelp",
               "Permission denied: your user may not open %1. It belongs to the "
               "group \"%2\"; add yourself to that group with\n"
               "    sudo usermod -aG %2 $USER\n"
               "then log out and log in again: a new group counts only from a new "
               "login.")
        .arg(path, group);
}

QString permissionWithoutGroup(const QString& path, const QString& serialGroup, bool createGroup,
                               const QString& kernelPattern) {
    const QString create =
        createGroup ? QCoreApplication::translate("ConnectionHelp", "Create the group first with\n"
                                                                    "    sudo groupadd %1\n")
                          .arg(serialGroup)
                    : QString();
    return QCoreApplication::translate(
               "ConnectionHelp",
               "Permission denied: your user may not open %1, and no group other than "
               "root may read and write it. %2Give the group \"%3\" access with a udev "
               "rule: the line\n"
               "    KERNEL==\"%4\", GROUP=\"%3\", MODE=\"0660\"\n"
               "in a file /etc/udev/rules.d/99-serial-adapter.rules, then plug the "
               "adapter in again. Add yourself to the group with\n"
               "    sudo usermod -aG %3 $USER\n"
               "then log out and log in again: a new group counts only from a new "
               "login.")
        .arg(path, create, serialGroup, kernelPattern);
}

QString ownTerminal(const QString& path) {
    return QCoreApplication::translate(
               "ConnectionHelp",
               "%1 is the terminal this program runs in, not a controller's port. "
               "Name the adapter's port instead.")
        .arg(path);
}

QString inUse() {
    return QCoreApplication::translate(
        "ConnectionHelp", "The port is in use: another program is using it. Close that "
                          "program, then connect again.");
}

QString holder(const QString& name, long long pid) {
    return QCoreApplication::translate("ConnectionHelp", "%1 (process %2)").arg(name).arg(pid);
}

QString inUseBy(const QStringList& holders, bool modemManager) {
    QString help = QCoreApplication::translate(
                       "ConnectionHelp", "The port is in use by %1. Close %2, then connect again.")
                       .arg(holders.join(QStringLiteral(", ")),
                            holders.size() == 1
                                ? QCoreApplication::translate("ConnectionHelp", "that program")
                                : QCoreApplication::translate("ConnectionHelp", "those programs"));
    if (modemManager) {
        help += QCoreApplication::translate(
            "ConnectionHelp", "\nModemManager probes new serial adapters as if they were "
                              "modems. Stop it with\n"
                              "    sudo systemctl stop ModemManager\n"
                              "or wait until it lets go of the adapter.");
    }
    return help;
}

QString noSuchDevice(const QString& path) {
    return QCoreApplication::translate(
               "ConnectionHelp", "No such device: %1. The adapter is unplugged or the port name is "
                                 "wrong; plug it in and pick it again from the Port list.")
        .arg(path);
}

QString notAnswering(const QString& path) {
    return QCoreApplication::translate(
               "ConnectionHelp", "The device %1 does not answer: the adapter was pulled or has "
                                 "failed. Plug it in again and pick it from the Port list.")
        .arg(path);
}

QString lineSettings(const QString& path) {
    return QCoreApplication::translate(
               "ConnectionHelp",
               "%1 does not take the line settings: its driver cannot set the rate "
               "or the character format asked for. Try another adapter.")
        .arg(path);
}

QString notASerialPort(const QString& path) {
    return QCoreApplication::translate(
               "ConnectionHelp", "%1 is not a serial port. Pick the adapter from the Port list.")
        .arg(path);
}

QString portInUse(const QString& port) {
    return QCoreApplication::translate("ConnectionHelp",
                                       "%1 is in use by another program. Close that program, then "
                                       "connect again.")
        .arg(port);
}

QString noSuchPort(const QString& port) {
    return QCoreApplication::translate(
               "ConnectionHelp", "There is no %1 on this computer. The adapter is unplugged or "
                                 "the port name is wrong; plug it in and pick it again from the "
                                 "Port list.")
        .arg(port);
}

QString systemWords(QString words) {
    words = words.trimmed();
    if (!words.isEmpty() && !words.endsWith(QLatin1Char('.'))) {
        words += QLatin1Char('.');
    }
    return words;
}

} // namespace morvent::connectionHelp
