// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "KeepingActions.h"

#include "BackupKeeper.h"
#include "ChangeMarks.h"
#include "ComparisonMarks.h"
#include "Form1Options.h"
#include "Form1Ui.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "LoadWindow.h"
#include "MessageBoxes.h"
#include "NoticingFields.h"
#include "PageUndo.h"
#include "ReportActions.h"
#include "ReviewChanges.h"
#include "SaveWindow.h"
#include "StatusNote.h"
#include "Unit4.h"
#include "Unit5.h"
#include "WindowPlacement.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>

#include <cstdio>
#include <utility>

namespace morvent {

namespace {

constexpr const char* kParameterFiles =
    QT_TRANSLATE_NOOP("morvent::TForm1", "Parameter files (*.el);;All files (*)");
const QString kPlotGeometry = QStringLiteral("plotWindow/geometry");

} // namespace

KeepingActions::KeepingActions(QMainWindow& window, Form1Ui& ui, Fields& fields,
                               ParameterModel& model, MessageBoxes& boxes, QSettings& settings,
                               const Form1Options& options, TForm4& saveWindow, TForm5& loadWindow,
                               Guard guard, std::function<void()> writeFlash)
    : m_window(window), m_ui(ui), m_fields(fields), m_model(model), m_boxes(boxes),
      m_settings(settings), m_options(options), m_guard(std::move(guard)),
      m_loadFields(std::make_unique<NoticingFields>(fields)) {
    // Where Read Flash keeps its backups, and a save what it replaces: the same folder as
    // morvent-cli's, which on Windows is the machine's own (local) one, not the roaming profile.
    m_backups = std::make_unique<BackupKeeper>(
        m_options.backupsDirectory.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                  QStringLiteral("/backups")
            : m_options.backupsDirectory);
    // Their behaviour: saving and loading the pages' values; each window owns its dialog.
    auto* saveDialog = new SaveDialog(saveWindow, m_fields, m_boxes, m_backups->replacedFiles());
    saveDialog->replacedKept = [this](const std::string& path, const std::string& copy) {
        const QString kept = QFile::decodeName(copy.c_str());
        m_backupNote->say(tr("What %1 held is kept in %2")
                              .arg(QFileInfo(QFile::decodeName(path.c_str())).fileName(),
                                   QDir(m_backups->directory()).relativeFilePath(kept)),
                          kept);
    };
    saveDialog->saved = [this](const std::string& path) {
        const QString file = QFile::decodeName(path.c_str());
        const QString shown = QDir::toNativeSeparators(file);
        // The name is kept as typed; one without ".el" would seem lost in Load's own list.
        m_backupNote->say(
            file.endsWith(QLatin1String(".el"), Qt::CaseInsensitive)
                ? tr("Saved: %1").arg(shown)
                : tr("Saved: %1. Its name has no \".el\", so Load lists it under \"All files\" "
                     "only.")
                      .arg(shown),
            file);
    };
    m_loadDialog = new LoadDialog(loadWindow, *m_loadFields, m_boxes, m_backups->replacedFiles());
    // Fields a loaded file did not give are 0 now: marked, so nobody writes them unawares.
    m_loadDialog->loaded = [this](const std::string& path,
                                  const std::vector<ParameterFileProblem>& problems) {
        m_comparison->markNotInFile(QFileInfo(QFile::decodeName(path.c_str())).fileName(),
                                    problems);
    };

    m_liveReadings = std::make_unique<LiveReadingsMonitor>(m_boxes, m_options.chooseRecordingFile);
    QStatusBar& bar = *m_window.statusBar();
    m_backupNote = new StatusNote(QStringLiteral("BackupNote"), &bar);
    auto* comparisonNote = new StatusNote(QStringLiteral("ComparisonNote"), &bar);
    m_comparison = new ComparisonMarks(m_window, *m_ui.TabbedNotebook1, *comparisonNote,
                                       *m_ui.ClearComparison1, m_model);
    m_undo = new PageUndo(m_model, m_ui.UndoButtons, &m_window);
    m_changes = new ChangeMarks(m_window, bar, m_model, *m_comparison);
    m_review =
        new ReviewChanges(m_window, *m_ui.TabbedNotebook1, m_model,
                          [this, writeFlash = std::move(writeFlash)] { m_guard(writeFlash); });
    QObject::connect(m_ui.ReviewChanges1, &QAction::triggered, &m_window, [this] {
        m_review->show();
        m_review->raise();
        m_review->activateWindow();
    });
    // After the Load window's own handler: values put into the pages mean the load went through.
    QObject::connect(loadWindow.BitBtn1, &QPushButton::clicked, &m_window, [this] { afterLoad(); });
    QObject::connect(m_ui.PlotButton, &QPushButton::clicked, &m_window, [this] { showPlot(); });
    QObject::connect(m_ui.ClearComparison1, &QAction::triggered, &m_window,
                     [this] { m_comparison->clear(); });
    m_report = new ReportActions(m_window, m_fields, m_model, m_boxes, *m_backupNote, m_settings,
                                 {m_options.askReportNote, m_options.chooseReportFile,
                                  m_options.choosePrinter, m_options.fillReportSettings});
    QObject::connect(m_ui.ReportSettings1, &QAction::triggered, m_report,
                     &ReportActions::ReportSettings1Click);
    QObject::connect(m_ui.ExportReport1, &QAction::triggered, m_report,
                     &ReportActions::ExportReport1Click);
    QObject::connect(m_ui.Print1, &QAction::triggered, m_report, &ReportActions::Print1Click);
}

KeepingActions::~KeepingActions() = default;

void KeepingActions::afterLoad() {
    if (m_loadFields->takeWritten()) {
        m_undo->rememberAll();
        m_model.loaded();
    }
}

void KeepingActions::readIntoPages(Block block) {
    m_undo->remember(block);
    m_comparison->clearPage(block);
}

void KeepingActions::loadFile(const QString& path) {
    m_guard([&] { m_loadDialog->transferFile(QFile::encodeName(path).toStdString()); });
    afterLoad();
}

bool KeepingActions::mayLoseChanges(const std::function<QString(int)>& question,
                                    const QString& proceed) {
    const int changes = m_changes->count();
    return changes == 0 || m_boxes.proceed(question(changes), proceed);
}

void KeepingActions::keepUnwrittenChanges() {
    if (m_changes->count() > 0) {
        const BackupKeeper::Outcome outcome = m_backups->keep(m_fields);
        const QString said = outcome.kept
                                 ? QStringLiteral("unwritten changes kept in %1").arg(outcome.path)
                                 : QStringLiteral("unwritten changes lost: %1").arg(outcome.error);
        std::fprintf(stderr, "morvent: %s\n", said.toLocal8Bit().constData());
    }
}

void KeepingActions::showPlot() {
    LiveReadingsWindow& plot = m_liveReadings->window();
    if (!std::exchange(m_plotPlaced, true)) {
        const QByteArray saved = m_settings.value(kPlotGeometry).toByteArray();
        if (saved.isEmpty() || !plot.restoreGeometry(saved)) {
            // Beside the window, else over its page; never over the button that stops
            // Continuous Get, which is what one presses while watching the plot.
            const QRect button(m_ui.BitBtn13->mapToGlobal(QPoint(0, 0)), m_ui.BitBtn13->size());
            // It needs more room than a page has: the right panel's below the tabs too.
            QRect room = coverableArea(m_window, *m_ui.TabbedNotebook1->currentWidget());
            const int belowTabs = room.top();
            room |= coverableArea(m_window, *m_ui.Panel2);
            room.setTop(belowTabs);
            placeCompanion(plot, m_window, room, button);
        }
    }
    m_liveReadings->showWindow();
}

void KeepingActions::rememberPlotPlace() {
    m_settings.setValue(kPlotGeometry, m_liveReadings->window().saveGeometry());
}

QString KeepingActions::backupFolder() const {
    const QString folder = m_backups->controllerFolder();
    if (QFileInfo(folder).isDir()) {
        return folder;
    }
    return QFileInfo(m_backups->directory()).isDir() ? m_backups->directory() : QDir::homePath();
}

void KeepingActions::compareWithFile() {
    // Most comparisons are with an earlier backup of the controller on the bench.
    const QString folder = backupFolder();
    const QString path = m_options.chooseComparisonFile
                             ? m_options.chooseComparisonFile(folder)
                             : QFileDialog::getOpenFileName(&m_window, tr("Compare With File"),
                                                            folder, tr(kParameterFiles));
    if (!path.isEmpty()) {
        m_comparison->compareWith(path, m_fields);
    }
}

void KeepingActions::loadBackup() {
    const auto question = [](int changes) {
        return tr("%n changes not written to the controller: a load puts the backup's values over "
                  "what was typed. Load anyway?",
                  nullptr, changes);
    };
    if (!mayLoseChanges(question, tr("Load"))) {
        return;
    }
    const QString folder = backupFolder();
    const QString path = m_options.chooseBackupFile
                             ? m_options.chooseBackupFile(folder)
                             : QFileDialog::getOpenFileName(&m_window, tr("Load Backup"), folder,
                                                            tr(kParameterFiles));
    if (!path.isEmpty()) {
        loadFile(path);
    }
}

void KeepingActions::openBackupsFolder() {
    // Opened even before the first backup, so the user sees where they will go.
    QDir().mkpath(m_backups->directory());
    const QUrl folder = QUrl::fromLocalFile(m_backups->directory());
    if (m_options.openUrl) {
        m_options.openUrl(folder);
    } else {
        QDesktopServices::openUrl(folder);
    }
}

void KeepingActions::keepBackup() {
    const BackupKeeper::Outcome outcome = m_backups->keep(m_fields);
    if (outcome.kept) {
        m_backupNote->say(tr("Backup kept: %1").arg(QFileInfo(outcome.path).fileName()),
                          outcome.path);
    } else {
        m_backupNote->warn(tr("No backup kept"), outcome.error);
    }
}

} // namespace morvent
