// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "BackupActions.h"

#include "BackupKeeper.h"
#include "Form1Options.h"
#include "StatusNote.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

#include <cstdio>

namespace morvent {

// The texts here keep the translation context "morvent::KeepingActions" they are catalogued
// under.

BackupActions::BackupActions(QMainWindow& window, Fields& fields, const Form1Options& options)
    : m_window(window), m_fields(fields), m_options(options) {
    // Where Read Flash keeps its backups, and a save what it replaces: the same folder as
    // morvent-cli's, which on Windows is the machine's own (local) one, not the roaming profile.
    m_backups = std::make_unique<BackupKeeper>(
        m_options.backupsDirectory.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                  QStringLiteral("/backups")
            : m_options.backupsDirectory);
    m_note = new StatusNote(QStringLiteral("BackupNote"), m_window.statusBar());
}

BackupActions::~BackupActions() = default;

void BackupActions::noteReplacedKept(const QString& file, const QString& copy) {
    m_note->say(
        QCoreApplication::translate("morvent::KeepingActions", "What %1 held is kept in %2")
            .arg(QFileInfo(file).fileName(), QDir(m_backups->directory()).relativeFilePath(copy)),
        copy);
}

void BackupActions::noteSaved(const QString& file) {
    const QString shown = QDir::toNativeSeparators(file);
    // The name is kept as typed; one without ".el" would seem lost in Load's own list.
    m_note->say(
        file.endsWith(QLatin1String(".el"), Qt::CaseInsensitive)
            ? QCoreApplication::translate("morvent::KeepingActions", "Saved: %1").arg(shown)
            : QCoreApplication::translate(
                  "morvent::KeepingActions",
                  "Saved: %1. Its name has no \".el\", so Load lists it under \"All files\" "
                  "only.")
                  .arg(shown),
        file);
}

void BackupActions::keepUnwrittenChanges() {
    const BackupKeeper::Outcome outcome = m_backups->keep(m_fields);
    const QString said = outcome.kept
                             ? QStringLiteral("unwritten changes kept in %1").arg(outcome.path)
                             : QStringLiteral("unwritten changes lost: %1").arg(outcome.error);
    std::fprintf(stderr, "morvent: %s\n", said.toLocal8Bit().constData());
}

QString BackupActions::folder() const {
    const QString folder = m_backups->controllerFolder();
    if (QFileInfo(folder).isDir()) {
        return folder;
    }
    return QFileInfo(m_backups->directory()).isDir() ? m_backups->directory() : QDir::homePath();
}

QString BackupActions::loadQuestion(int changes) {
    return QCoreApplication::translate(
        "morvent::KeepingActions",
        "%n changes not written to the controller: a load puts the backup's values over "
        "what was typed. Load anyway?",
        nullptr, changes);
}

QString BackupActions::loadAnswer() {
    return QCoreApplication::translate("morvent::KeepingActions", "Load");
}

void BackupActions::chooseBackup() {
    const QString folder = this->folder();
    const QString path =
        m_options.chooseBackupFile
            ? m_options.chooseBackupFile(folder)
            : QFileDialog::getOpenFileName(
                  &m_window, QCoreApplication::translate("morvent::KeepingActions", "Load Backup"),
                  folder, parameterFileFilter());
    if (!path.isEmpty()) {
        emit backupChosen(path);
    }
}

void BackupActions::openBackupsFolder() {
    // Opened even before the first backup, so the user sees where they will go.
    QDir().mkpath(m_backups->directory());
    const QUrl folder = QUrl::fromLocalFile(m_backups->directory());
    if (m_options.openUrl) {
        m_options.openUrl(folder);
    } else {
        QDesktopServices::openUrl(folder);
    }
}

void BackupActions::keepBackup() {
    const BackupKeeper::Outcome outcome = m_backups->keep(m_fields);
    if (outcome.kept) {
        m_note->say(QCoreApplication::translate("morvent::KeepingActions", "Backup kept: %1")
                        .arg(QFileInfo(outcome.path).fileName()),
                    outcome.path);
    } else {
        m_note->warn(QCoreApplication::translate("morvent::KeepingActions", "No backup kept"),
                     outcome.error);
    }
}

} // namespace morvent
