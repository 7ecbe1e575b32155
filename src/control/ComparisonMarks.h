// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockLayout.h"
#include "Fields.h"
#include "ParameterComparison.h"
#include "ParameterFile.h"
#include "ParameterModel.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <map>
#include <string>
#include <vector>

class QAction;
class QTabWidget;

namespace morvent {

class StatusNote;

// "Compare With File...": every parameter control whose value differs from a chosen ".el" file
// (or, after a load, that the file did not give) gets a coloured frame,
// with the other value in its tooltip, the tab of each page holding one a dot of the same colour,
// and the status bar counts them.
// A mark lasts until its control's value changes (typed, read, loaded or undone), its page is
// read from the controller, or the comparison is cleared; the count follows, and "Clear
// Comparison" is offered only while a mark is left.
class ComparisonMarks : public QObject {
    Q_OBJECT
public:
    // The controls are found by name under window, on the pages of notebook; note and
    // clearAction are kept up to date.
    // A mark goes when the model's value of its control changes; the tabs show the model's
    // unwritten changes and unread pages too.
    ComparisonMarks(QWidget& window, QTabWidget& notebook, StatusNote& note, QAction& clearAction,
                    ParameterModel& model);

    // Compares the window's values with the file at path and marks the differences, replacing
    // an earlier comparison. Throws ParameterFileError, marking nothing and keeping the earlier
    // marks, when the file cannot be read.
    void compareWith(const QString& path, const Fields& window);
    // The same with values as a parameter file would hold them, from the source named (the
    // file's name).
    void compareWithValues(const QString& source,
                           const std::map<std::string, std::int32_t, std::less<>>& values,
                           const Fields& window);

    // After a load: marks the fields the file gave no value, so they hold 0, each tooltip saying
    // why, and the status bar counts them, so nobody writes those zeros unawares. Replaces an
    // earlier load's marks, and with problems a comparison's; a mark goes as a comparison's
    // does.
    void markNotInFile(const QString& fileName, const std::vector<ParameterFileProblem>& problems);

    void clearPage(Block block);
    void clear();

    int count() const { return static_cast<int>(m_marks.size()); }
    bool isMarked(std::string_view control) const { return m_marks.contains(control); }
    // In table order.
    QStringList markedControls() const;

    // Shows the marks' count and the pages' state on their tabs again.
    void report();
    // How a count of unwritten changes is said ("3 changes not written"); empty at none.
    static QString changesText(int changes);

signals:
    // A mark went; the control's tooltip is the one it had before it was marked.
    void markGone(const QString& control);

private:
    struct Mark {
        QPointer<QWidget> field;
        QPointer<QWidget> frame;
        int page = -1;
        QString toolTip; // the control's own, put back when the mark goes
    };

    void mark(const FieldDifference& difference);
    void place(QWidget& field, const std::string& control, const QString& toolTip);
    void unmark(const std::string& control);
    int changesOnPage(int page) const;
    bool isUnread(int page) const;

    QWidget& m_window;
    QTabWidget& m_notebook;
    StatusNote& m_note;
    QAction& m_clearAction;
    const ParameterModel& m_model;
    QString m_source; // the file's name, or what else the window was compared with
    int m_differences = 0;
    // The marks are of fields a load did not find, not of differences.
    bool m_notInFile = false;
    std::map<std::string, Mark, std::less<>> m_marks;
};

} // namespace morvent
