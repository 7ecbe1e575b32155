// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockLayout.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class QMainWindow;
class QSettings;

namespace morvent {

class BackupKeeper;
class ChangeMarks;
class ComparisonMarks;
class Fields;
class Form1Ui;
class LiveReadingsMonitor;
class LoadDialog;
class MessageBoxes;
class NoticingFields;
class PageUndo;
class ParameterModel;
class ReportActions;
class ReviewChanges;
class StatusNote;
class TForm4;
class TForm5;
struct Form1Options;

// What the window keeps for the user and how it is reached: the backups (Read Flash's, what a
// save replaces, unwritten changes at a forced end), saving and loading, the comparison with a
// file or the controller, the pages' undo and unwritten changes, the report, and the live plot.
class KeepingActions {
    Q_DECLARE_TR_FUNCTIONS(morvent::KeepingActions)

public:
    // Runs a handler; an error nobody caught ends it and goes to the general error display.
    using Guard = std::function<void(const std::function<void()>&)>;

    // `writeFlash` is what the review of changes writes with.
    KeepingActions(QMainWindow& window, Form1Ui& ui, Fields& fields, ParameterModel& model,
                   MessageBoxes& boxes, QSettings& settings, const Form1Options& options,
                   TForm4& saveWindow, TForm5& loadWindow, Guard guard,
                   std::function<void()> writeFlash);
    ~KeepingActions();

    LiveReadingsMonitor& liveReadings() const { return *m_liveReadings; }
    BackupKeeper& backups() const { return *m_backups; }
    ComparisonMarks& comparison() const { return *m_comparison; }
    ChangeMarks& changes() const { return *m_changes; }
    ReviewChanges& review() const { return *m_review; }
    ReportActions& report() const { return *m_report; }

    // A block read into the pages: the one to undo to, compared afresh.
    void readIntoPages(Block block);

    // True when nothing unwritten would be lost, or the user chose to go ahead anyway: asked
    // with the question for the count of changes (one whole sentence, so that the count bends
    // with it in every language) and the button that goes ahead ("Quit").
    bool mayLoseChanges(const std::function<QString(int)>& question, const QString& proceed);
    // Read Flash's backup, the outcome in the status bar.
    void keepBackup();
    // Unwritten changes kept among the backups at an end nobody is there to answer; the outcome
    // goes to the error stream.
    void keepUnwrittenChanges();
    // The plot window, where it was last, or first beside the window.
    void showPlot();
    // Where the plot is when it hides or the window goes: it opens there next time.
    void rememberPlotPlace();

    void compareWithFile();
    void loadBackup();
    void openBackupsFolder();

private:
    // Where a backup is looked for: this controller's folder, else the backups' root, else home.
    QString backupFolder() const;
    // Loads a parameter file into the pages as the Load window does, and what follows a load.
    void loadFile(const QString& path);
    void afterLoad();

    QMainWindow& m_window;
    Form1Ui& m_ui;
    Fields& m_fields;
    ParameterModel& m_model;
    MessageBoxes& m_boxes;
    QSettings& m_settings;
    const Form1Options& m_options;
    Guard m_guard;
    std::unique_ptr<BackupKeeper> m_backups;
    // What the Load window puts into the pages passes through here, so a load is noticed.
    std::unique_ptr<NoticingFields> m_loadFields;
    LoadDialog* m_loadDialog = nullptr;
    std::unique_ptr<LiveReadingsMonitor> m_liveReadings;
    StatusNote* m_backupNote = nullptr;
    ComparisonMarks* m_comparison = nullptr;
    PageUndo* m_undo = nullptr;
    ChangeMarks* m_changes = nullptr;
    ReviewChanges* m_review = nullptr;
    ReportActions* m_report = nullptr;
    bool m_plotPlaced = false;
};

} // namespace morvent
