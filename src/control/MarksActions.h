// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockLayout.h"

#include <QObject>
#include <QString>

#include <functional>

class QMainWindow;

namespace morvent {

class ChangeMarks;
class ComparisonMarks;
class Fields;
class Form1Ui;
class MessageBoxes;
class PageUndo;
class ParameterModel;
class ReviewChanges;
struct Form1Options;

// What the pages hold against what they held: the comparison with a file or the controller,
// each page's undo, the unwritten changes and their review.
class MarksActions : public QObject {
    Q_OBJECT
public:
    MarksActions(QMainWindow& window, Form1Ui& ui, const Fields& fields, ParameterModel& model,
                 MessageBoxes& boxes, const Form1Options& options);

    ComparisonMarks& comparison() const { return *m_comparison; }
    ChangeMarks& changes() const { return *m_changes; }
    ReviewChanges& review() const { return *m_review; }

    // A block read into the pages: the one to undo to, compared afresh.
    void readIntoPages(Block block);
    // Values a file put into the pages: the ones to undo to, and no longer changes.
    void loadedIntoPages();
    // True when nothing unwritten would be lost, or the user chose to go ahead anyway: asked
    // with the question for the count of changes (one whole sentence, so that the count bends
    // with it in every language) and the button that goes ahead ("Quit").
    bool mayLoseChanges(const std::function<QString(int)>& question, const QString& proceed);
    // Compare With File, the file looked for first in folder.
    void compareWithFile(const QString& folder);

signals:
    // The review's "Write Flash".
    void writeFlashWanted();

private:
    QMainWindow& m_window;
    const Fields& m_fields;
    ParameterModel& m_model;
    MessageBoxes& m_boxes;
    const Form1Options& m_options;
    ComparisonMarks* m_comparison = nullptr;
    PageUndo* m_undo = nullptr;
    ChangeMarks* m_changes = nullptr;
    ReviewChanges* m_review = nullptr;
};

} // namespace morvent
