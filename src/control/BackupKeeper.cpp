// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "BackupKeeper.h"

#include "Translations.h"

#include "ParameterFile.h"

#include <QDir>
#include <QFile>

#include <exception>

namespace morvent {

namespace {

// More backups than this in one second means something else is filling the folder.
constexpr int kNamesPerSecond = 1000;

} // namespace

BackupKeeper::BackupKeeper(QString directory) : m_directory(std::move(directory)) {}

ReplacedFiles BackupKeeper::replacedFiles() const {
    return ReplacedFiles(
        QFile::encodeName(QDir(m_directory).filePath(QStringLiteral("replaced"))).toStdString());
}

void BackupKeeper::setController(const std::string& manufacturer, const std::string& model) {
    m_manufacturer = safeName(manufacturer);
    m_model = safeName(model);
}

QString BackupKeeper::controllerFolder() const {
    return QDir(m_directory).filePath(m_manufacturer + QLatin1Char('-') + m_model);
}

QString BackupKeeper::safeName(const std::string& text) {
    QString name;
    bool usable = false;
    for (const char c : text) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        name += kept ? QLatin1Char(c) : QLatin1Char('_');
        usable = usable || (kept && c != '.' && c != '_');
    }
    return usable ? name : QStringLiteral("unknown");
}

BackupKeeper::Outcome BackupKeeper::keep(const Fields& fields, const QDateTime& now) const {
    const QString folder = controllerFolder();
    if (!QDir().mkpath(folder)) {
        return {false, {}, tr("Unable to create the folder %1").arg(folder)};
    }
    const QString stamp = now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    for (int n = 1; n <= kNamesPerSecond; ++n) {
        const QString path = QDir(folder).filePath(
            n == 1 ? stamp + QStringLiteral(".el") : QStringLiteral("%1_%2.el").arg(stamp).arg(n));
        // The name is taken by creating the file, which fails when it exists, so two windows
        // (or two runs within a second) never share one. The save then replaces the empty file
        // whole.
        QFile reserved(path);
        if (!reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (reserved.exists()) {
                continue;
            }
            return {false, {}, tr("Unable to write to %1").arg(path)};
        }
        reserved.close();
        try {
            SaveParameterFile(fields, QFile::encodeName(path).toStdString(), replacedFiles());
        } catch (const std::exception& error) {
            QFile::remove(path);
            return {false, {}, shownError(error)};
        }
        return {true, path, {}};
    }
    return {false, {}, tr("Unable to find a free name in %1").arg(folder)};
}

} // namespace morvent
