// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QMainWindow;

namespace morvent {

class BackupKeeper;
class Fields;
class StatusNote;
struct Form1Options;

// The backups: Read Flash's, what a save replaces, unwritten changes at a forced end; the note
// in the status bar that says what was kept or saved, the backups' folder and Load Backup's
// choosing of a file.
class BackupActions : public QObject {
    Q_OBJECT
public:
    BackupActions(QMainWindow& window, Fields& fields, const Form1Options& options);
    ~BackupActions() override;

    BackupKeeper& keeper() const { return *m_backups; }
    // Says what the tool kept or saved; the report says where it went here too.
    StatusNote& note() const { return *m_note; }

    // Read Flash's backup, the outcome in the status bar.
    void keepBackup();
    // Unwritten changes kept among the backups at an end nobody is there to answer; the outcome
    // goes to the error stream.
    void keepUnwrittenChanges();
    void openBackupsFolder();
    // Where a backup is looked for: this controller's folder, else the backups' root, else home.
    QString folder() const;
    // Load Backup: the file chosen, announced with backupChosen; nothing when none is.
    void chooseBackup();
    // What Load Backup asks before it puts a backup over the count of changes, and its answer.
    static QString loadQuestion(int changes);
    static QString loadAnswer();

    // A save's outcome, in the note.
    void noteSaved(const QString& file);
    void noteReplacedKept(const QString& file, const QString& copy);

signals:
    void backupChosen(const QString& path);

private:
    QMainWindow& m_window;
    Fields& m_fields;
    const Form1Options& m_options;
    std::unique_ptr<BackupKeeper> m_backups;
    StatusNote* m_note = nullptr;
};

} // namespace morvent
