// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ComparisonMarks.h"

#include "FieldOverlay.h"
#include "FieldStore.h"
#include "ParameterTable.h"
#include "StatusNote.h"
#include "Translations.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace morvent {

namespace {

const QColor kMarkColour(0xe6, 0x51, 0x00);

// Shown on the tab of a page that holds a mark, so marks on pages out of sight are not missed.
QIcon markedPageIcon() {
    QPixmap dot(12, 12);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMarkColour);
    painter.drawEllipse(QRectF(1, 1, 10, 10));
    return QIcon(dot);
}

// A warning sign, unlike the comparison's dot: this page holds no values from the controller.
QIcon unreadPageIcon() {
    QPixmap sign(14, 14);
    sign.fill(Qt::transparent);
    QPainter painter(&sign);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0x8a, 0x00));
    painter.drawPolygon(QPolygonF({QPointF(7, 0.5), QPointF(13.5, 13), QPointF(0.5, 13)}));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPointF(7, 4.5), QPointF(7, 8.5));
    painter.drawPoint(QPointF(7, 11));
    return QIcon(sign);
}

// A page with a folded corner: values typed on the page and not yet written.
QIcon changedPageIcon() {
    QPixmap sign(14, 14);
    sign.fill(Qt::transparent);
    QPainter painter(&sign);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(2.5, 0.5), QPointF(8.5, 0.5), QPointF(11.5, 3.5),
                                   QPointF(11.5, 13.5), QPointF(2.5, 13.5)}));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({QPointF(8.5, 0.5), QPointF(11.5, 3.5), QPointF(8.5, 3.5)}));
    painter.drawLine(QPointF(4.5, 7), QPointF(9.5, 7));
    painter.drawLine(QPointF(4.5, 10), QPointF(9.5, 10));
    return QIcon(sign);
}

constexpr const char* kUnreadTip = QT_TRANSLATE_NOOP(
    "morvent::ComparisonMarks",
    "Not read or loaded since connecting: the fields may not hold the controller's values. "
    "Read the page or load a file before writing it.");

// A frame around the control.
class MarkFrame final : public FieldOverlay {
public:
    static constexpr int kWidth = 2;

    explicit MarkFrame(QWidget& target) : FieldOverlay(target, QStringLiteral("Mark")) { follow(); }

protected:
    QRect placed(const QRect& target) const override {
        return target.adjusted(-kWidth - 1, -kWidth - 1, kWidth + 1, kWidth + 1);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(kMarkColour);
        pen.setWidth(kWidth);
        painter.setPen(pen);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
};

QString fileValueText(const FieldDifference& difference, const QWidget& field) {
    if (difference.kind == ParameterKind::Number) {
        return QString::number(difference.fileValue);
    }
    const auto* list = qobject_cast<const QComboBox*>(&field);
    const Parameter* row = parameter(difference.control);
    if (row && list && row->encoding == Encoding::WheelSize && difference.fileValue != -1 &&
        (difference.fileValue < 0 || difference.fileValue >= list->count())) {
        // A wheel size beyond the list: the size the file's place stands for.
        FieldStore shown;
        shown.setItems(row->control, row->items);
        applyFileIndex(*row, difference.fileValue, shown);
        return ComparisonMarks::tr("%1 (item %2)")
            .arg(QString::fromStdString(shown.text(row->control)))
            .arg(difference.fileValue);
    }
    if (difference.fileValue < 0) {
        return ComparisonMarks::tr("nothing selected (-1)");
    }
    const QString item = list ? list->itemText(difference.fileValue) : QString();
    return ComparisonMarks::tr("%1 (item %2)").arg(item).arg(difference.fileValue);
}

} // namespace

ComparisonMarks::ComparisonMarks(QWidget& window, QTabWidget& notebook, StatusNote& note,
                                 QAction& clearAction, ParameterModel& model)
    : QObject(&window), m_window(window), m_notebook(notebook), m_note(note),
      m_clearAction(clearAction), m_model(model) {
    m_clearAction.setEnabled(false);
    model.listen([this](const Parameter* p) {
        if (p) {
            unmark(p->control);
        }
    });
}

QString ComparisonMarks::changesText(int changes) {
    if (changes == 0) {
        return {};
    }
    // Said by the marks of unwritten changes, in whose words it was made.
    return QCoreApplication::translate("morvent::ChangeMarks", "%n changes not written", nullptr,
                                       changes);
}

int ComparisonMarks::changesOnPage(int page) const {
    int changes = 0;
    for (const Block block : kAllBlocks) {
        if (layout(block).page == page) {
            for (const Parameter* p : pageParameters(block)) {
                changes += m_model.isChanged(*p) ? 1 : 0;
            }
        }
    }
    return changes;
}

bool ComparisonMarks::isUnread(int page) const {
    return std::any_of(kAllBlocks.begin(), kAllBlocks.end(), [&](Block block) {
        return layout(block).page == page && m_model.isUnread(block);
    });
}

void ComparisonMarks::compareWith(const QString& path, const Fields& window) {
    compareWithValues(QFileInfo(path).fileName(),
                      readParameterValues(QFile::encodeName(path).toStdString()), window);
}

void ComparisonMarks::compareWithValues(
    const QString& source, const std::map<std::string, std::int32_t, std::less<>>& values,
    const Fields& window) {
    const auto differences = differingFields(window, values);
    clear();
    m_source = source;
    m_differences = static_cast<int>(differences.size());
    for (const FieldDifference& difference : differences) {
        mark(difference);
    }
    report();
}

void ComparisonMarks::markNotInFile(const QString& fileName,
                                    const std::vector<ParameterFileProblem>& problems) {
    // A complete file leaves a comparison's marks, which still hold, but not those of an
    // earlier load.
    if (problems.empty() && !m_notInFile) {
        return;
    }
    clear();
    if (problems.empty()) {
        return;
    }
    m_source = fileName;
    m_notInFile = true;
    m_differences = static_cast<int>(problems.size());
    for (const ParameterFileProblem& problem : problems) {
        const std::string& control = parameterTable()[problem.row].control;
        if (auto* field = m_window.findChild<QWidget*>(QString::fromStdString(control))) {
            place(*field, control,
                  tr("Not loaded from %1, so 0: %2")
                      .arg(m_source, shownText(describeWording(problem))));
        }
    }
    report();
}

void ComparisonMarks::mark(const FieldDifference& difference) {
    auto* field = m_window.findChild<QWidget*>(QString::fromStdString(difference.control));
    if (!field) {
        return;
    }
    place(*field, difference.control,
          tr("In %1: %2").arg(m_source, fileValueText(difference, *field)));
}

void ComparisonMarks::place(QWidget& field, const std::string& control, const QString& toolTip) {
    Mark mark;
    mark.field = &field;
    if (const Parameter* p = parameter(control)) {
        mark.page = layout(p->block).page;
    }
    mark.frame = new MarkFrame(field);
    mark.toolTip = field.toolTip();
    // In words as well as in colour, the field's own help kept below.
    field.setToolTip(toolTip + QLatin1Char('\n') + mark.toolTip);
    m_marks.insert_or_assign(control, std::move(mark));
}

void ComparisonMarks::unmark(const std::string& control) {
    const auto it = m_marks.find(control);
    if (it == m_marks.end()) {
        return;
    }
    Mark& mark = it->second;
    delete mark.frame.data();
    const bool shown = mark.field;
    if (shown) {
        mark.field->setToolTip(mark.toolTip);
    }
    const QString name = QString::fromStdString(control); // the key goes with the mark
    m_marks.erase(it);
    if (shown) {
        emit markGone(name);
    }
    report();
}

void ComparisonMarks::clearPage(Block block) {
    for (const Parameter* p : pageParameters(block)) {
        unmark(p->control);
    }
}

void ComparisonMarks::clear() {
    while (!m_marks.empty()) {
        unmark(m_marks.begin()->first);
    }
    m_source.clear();
    m_differences = 0;
    m_notInFile = false;
    report();
}

QStringList ComparisonMarks::markedControls() const {
    QStringList controls;
    for (const Parameter& row : parameterTable()) {
        if (m_marks.contains(row.control)) {
            controls << QString::fromStdString(row.control);
        }
    }
    return controls;
}

void ComparisonMarks::report() {
    const auto counted = [this](int fields) {
        if (m_notInFile) {
            return tr("%n fields were not in %1: set to 0", nullptr, fields).arg(m_source);
        }
        return tr("%n fields differ from %1", nullptr, fields).arg(m_source);
    };
    m_clearAction.setEnabled(!m_marks.empty());
    std::map<int, int> perPage;
    for (const auto& [control, mark] : m_marks) {
        ++perPage[mark.page];
    }
    for (int page = 0; page < m_notebook.count(); ++page) {
        const int marks = perPage.contains(page) ? perPage[page] : 0;
        const int changes = changesOnPage(page);
        const bool unread = isUnread(page);
        m_notebook.setTabIcon(page, unread        ? unreadPageIcon()
                                    : changes > 0 ? changedPageIcon()
                                    : marks > 0   ? markedPageIcon()
                                                  : QIcon());
        QStringList tips;
        if (unread) {
            tips << tr(kUnreadTip);
        }
        if (changes > 0) {
            tips << changesText(changes);
        }
        if (marks > 0) {
            tips << counted(marks);
        }
        m_notebook.setTabToolTip(page, tips.join(QLatin1Char('\n')));
    }
    if (m_source.isEmpty()) {
        m_note.clearNote();
    } else if (m_differences == 0) {
        m_note.say(tr("No field differs from %1").arg(m_source));
    } else if (m_marks.empty()) {
        m_note.clearNote();
    } else {
        m_note.say(counted(count()));
    }
}

} // namespace morvent
