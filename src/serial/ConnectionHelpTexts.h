// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>
#include <QStringList>

// The words that explain a port that would not open, for each system's openFailureHelp to choose
// from: kept together so that every text is in the translators' catalogues on every system.
// `path` is the device as the user named it (/dev/ttyUSB0, COM7).
namespace morvent::connectionHelp {

// POSIX: the device belongs to a group that may read and write it.
QString permissionByGroup(const QString& path, const QString& group);
// POSIX: no group but root's may use the device; `createGroup` when the serial group is missing.
QString permissionWithoutGroup(const QString& path, const QString& serialGroup, bool createGroup,
                               const QString& kernelPattern);
QString ownTerminal(const QString& path);
// In use, by nobody this process can name.
QString inUse();
// One holder in the list of inUseBy.
QString holder(const QString& name, long long pid);
// In use by the holders listed; `modemManager` when ModemManager is one of them.
QString inUseBy(const QStringList& holders, bool modemManager);
QString noSuchDevice(const QString& path);
QString notAnswering(const QString& path);
QString lineSettings(const QString& path);
QString notASerialPort(const QString& path);
// Windows: another program has the port open.
QString portInUse(const QString& port);
// Windows: no such port is known.
QString noSuchPort(const QString& port);
// The system's own words for an error no text here explains, ended with a full stop.
QString systemWords(QString words);

} // namespace morvent::connectionHelp
