// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QCoreApplication>

#include "Fields.h"
#include "ReplacedFiles.h"

#include <QDateTime>
#include <QString>

#include <string>

namespace morvent {

// Keeps the four pages as a parameter file after every successful Read Flash, so a controller's
// settings are on record before anyone writes over them. Each controller model has a folder of
// its own (manufacturer and model as its identity reports them), and each backup is named by the
// local date and time it was taken: 2024-05-01_14-03-22.el, then 2024-05-01_14-03-22_2.el and so
// on within the same second. A backup never replaces a file, and the file appears either whole
// or not at all.
class BackupKeeper {
    Q_DECLARE_TR_FUNCTIONS(BackupKeeper)

public:
    struct Outcome {
        bool kept = false;
        QString path;  // of the new backup
        QString error; // why none was kept
    };

    explicit BackupKeeper(QString directory);

    QString directory() const { return m_directory; }
    // Where a save keeps what it replaces: "replaced" in this folder.
    ReplacedFiles replacedFiles() const;

    // The controller the next backups are of; its texts are its identity's bytes.
    void setController(const std::string& manufacturer, const std::string& model);
    // directory/MANUFACTURER-MODEL; "unknown" stands for a text with nothing usable in it.
    QString controllerFolder() const;

    // Writes the pages' values into a new file in the controller's folder, named by now.
    Outcome keep(const Fields& fields, const QDateTime& now = QDateTime::currentDateTime()) const;

    // A controller's text made safe as a file name: letters, digits, '.', '-' and '_' stay,
    // anything else (a blank, a slash, a byte beyond ASCII) becomes '_', and one with nothing
    // usable becomes "unknown".
    static QString safeName(const std::string& text);

private:
    QString m_directory;
    QString m_manufacturer = QStringLiteral("unknown");
    QString m_model = QStringLiteral("unknown");
};

} // namespace morvent
