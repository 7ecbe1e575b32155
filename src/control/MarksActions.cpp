// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "MarksActions.h"

#include "ChangeMarks.h"
#include "ComparisonMarks.h"
#include "Form1Options.h"
#include "Form1Ui.h"
#include "MessageBoxes.h"
#include "PageUndo.h"
#include "ParameterModel.h"
#include "ReviewChanges.h"
#include "StatusNote.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QStatusBar>

namespace morvent {

// The texts here keep the translation context "morvent::KeepingActions" they are catalogued
// under.

MarksActions::MarksActions(QMainWindow& window, Form1Ui& ui, const Fields& fields,
                           ParameterModel& model, MessageBoxes& boxes, const Form1Options& options)
    : m_window(window), m_fields(fields), m_model(model), m_boxes(boxes), m_options(options) {
    QStatusBar& bar = *m_window.statusBar();
    auto* comparisonNote = new StatusNote(QStringLiteral("ComparisonNote"), &bar);
    m_comparison = new ComparisonMarks(m_window, *ui.TabbedNotebook1, *comparisonNote,
                                       *ui.ClearComparison1, m_model);
    m_undo = new PageUndo(m_model, ui.UndoButtons, &m_window);
    m_changes = new ChangeMarks(m_window, bar, m_model, *m_comparison);
    m_review = new ReviewChanges(m_window, *ui.TabbedNotebook1, m_model,
                                 [this] { emit writeFlashWanted(); });
    connect(ui.ReviewChanges1, &QAction::triggered, &m_window, [this] {
        m_review->show();
        m_review->raise();
        m_review->activateWindow();
    });
    connect(ui.ClearComparison1, &QAction::triggered, &m_window, [this] { m_comparison->clear(); });
}

void MarksActions::readIntoPages(Block block) {
    m_undo->remember(block);
    m_comparison->clearPage(block);
}

void MarksActions::loadedIntoPages() {
    m_undo->rememberAll();
    m_model.loaded();
}

bool MarksActions::mayLoseChanges(const std::function<QString(int)>& question,
                                  const QString& proceed) {
    const int changes = m_changes->count();
    return changes == 0 || m_boxes.proceed(question(changes), proceed);
}

void MarksActions::compareWithFile(const QString& folder) {
    // Most comparisons are with an earlier backup of the controller on the bench.
    const QString path =
        m_options.chooseComparisonFile
            ? m_options.chooseComparisonFile(folder)
            : QFileDialog::getOpenFileName(
                  &m_window,
                  QCoreApplication::translate("morvent::KeepingActions", "Compare With File"),
                  folder, parameterFileFilter());
    if (!path.isEmpty()) {
        m_comparison->compareWith(path, m_fields);
    }
}

} // namespace morvent
