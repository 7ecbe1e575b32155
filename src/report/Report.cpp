// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Report.h"

#include "FileIo.h"
#include "NumberConversion.h"
#include "ParameterModel.h"
#include "ShownParameters.h"

#include "Wording.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <set>

namespace morvent {

namespace {

QString words(const char* english) {
    return QCoreApplication::translate("Report", english);
}

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// The mark beside a value from elsewhere than this controller, on a page that mixes sources.
QString sourceMark(ReportRow::Source source) {
    switch (source) {
    case ReportRow::Source::Typed:
        return QCoreApplication::translate("Report", "T", "mark: typed in, not written");
    case ReportRow::Source::File:
        return QCoreApplication::translate("Report", "F", "mark: loaded from a file, not written");
    case ReportRow::Source::Earlier:
        return QCoreApplication::translate("Report", "E", "mark: left from before connecting");
    case ReportRow::Source::Controller:
        break;
    }
    return {};
}

// What a mark stands for, in the legend at the report's head.
QString markLegend(ReportRow::Source source) {
    switch (source) {
    case ReportRow::Source::Typed:
        return words(QT_TRANSLATE_NOOP("Report", "%1: typed in, and not written to this "
                                                 "controller."));
    case ReportRow::Source::File:
        return words(QT_TRANSLATE_NOOP("Report", "%1: loaded from a file, and not written to "
                                                 "this controller."));
    case ReportRow::Source::Earlier:
        return words(QT_TRANSLATE_NOOP("Report", "%1: left on the page from before connecting: "
                                                 "not read from this controller, and may be "
                                                 "another bike's."));
    case ReportRow::Source::Controller:
        break;
    }
    return {};
}

// A value, its source's mark where its page mixes sources, and where it is not what the
// controller holds, the controller's value.
QString valueCell(const ReportRow& row) {
    QString cell = escaped(row.value);
    if (row.marked) {
        cell += QStringLiteral(" <b>%1</b>").arg(sourceMark(row.source).toHtmlEscaped());
    }
    if (row.changed()) {
        cell =
            QStringLiteral("<b>%1</b> %2")
                .arg(
                    cell,
                    words(QT_TRANSLATE_NOOP("Report", "(controller: %1)")).arg(escaped(*row.held)));
    }
    return cell;
}

// "14:05", "2:05 PM": the user's own way (the window sets it from the language chosen), to the
// minute, as a customer reads a time.
QString timeFormat() {
    static const QRegularExpression seconds(QStringLiteral("[:.]ss"));
    return QLocale().timeFormat(QLocale::ShortFormat).remove(seconds);
}

// "07.12.2026 14:05" in German, "12/7/2026 2:05 PM" in American English, the year written whole.
QString dateAndTime(const QDateTime& when) {
    QString date = QLocale().dateFormat(QLocale::ShortFormat);
    if (!date.contains(QLatin1String("yyyy"))) {
        date.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    return QLocale().toString(when, date + QLatin1Char(' ') + timeFormat());
}

QString timeOfDay(const QDateTime& when) {
    return QLocale().toString(when.time(), timeFormat());
}

// Plain rows: label, value, unit.
QString listTable(const std::vector<const ReportRow*>& rows) {
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" width=\"100%\">");
    for (const ReportRow* row : rows) {
        html += QStringLiteral("<tr><td width=\"55%\">%1</td><td width=\"33%\">%2</td>"
                               "<td width=\"12%\">%3</td></tr>")
                    .arg(escaped(row->label), valueCell(*row), escaped(row->unit));
    }
    return html + QStringLiteral("</table>");
}

// A grid as the page lays it out: its rows down, its column heads across.
QString gridTable(const std::vector<const ReportRow*>& cells) {
    std::vector<std::string> columns;
    std::vector<std::string> rows;
    for (const ReportRow* cell : cells) {
        if (std::find(columns.begin(), columns.end(), cell->column) == columns.end()) {
            columns.push_back(cell->column);
        }
        if (std::find(rows.begin(), rows.end(), cell->label) == rows.end()) {
            rows.push_back(cell->label);
        }
    }
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" style=\"border-style: solid; "
        "border-color: #999\"><tr><th></th>");
    for (const std::string& column : columns) {
        html += QStringLiteral("<th>%1</th>").arg(escaped(column));
    }
    html += QStringLiteral("</tr>");
    for (const std::string& label : rows) {
        html += QStringLiteral("<tr><th align=\"left\">%1</th>").arg(escaped(label));
        for (const std::string& column : columns) {
            const auto cell = std::find_if(cells.begin(), cells.end(), [&](const ReportRow* c) {
                return c->label == label && c->column == column;
            });
            html += QStringLiteral("<td align=\"right\">%1</td>")
                        .arg(cell == cells.end() ? QString() : valueCell(**cell));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

bool endsWith(const std::string& path, const char* extension) {
    return QString::fromStdString(path).endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

bool htmlName(const std::string& path) {
    return endsWith(path, ".html") || endsWith(path, ".htm");
}

// "(x10ms)", "(x100mV)" and the like: a caption's note of the scale its number is in.
const QRegularExpression kScaleNote(QStringLiteral("\\s*\\([x\u00d7]\\d+\\s*m[sSvV]\\)"));

// "3.5", "3,5" in German.
QString decimal(std::int64_t tenths) {
    return QLocale().toString(static_cast<double>(tenths) / 10.0, 'f', 1);
}

// The captions' "Kg" and "Inch" as the report's plain words write units everywhere else: small.
QString smallUnits(QString text) {
    static const QRegularExpression capitalised(QStringLiteral("\\b(Kg|Inch)\\b"));
    for (QRegularExpressionMatch unit = capitalised.match(text); unit.hasMatch();
         unit = capitalised.match(text, unit.capturedEnd())) {
        text.replace(unit.capturedStart(), unit.capturedLength(), unit.captured().toLower());
    }
    return text;
}

} // namespace

void customerRow(ReportRow& row) {
    QString value = QString::fromStdString(row.value);
    QString unit = QString::fromStdString(row.unit);
    QString label = QString::fromStdString(row.label);
    const std::optional<std::int32_t> number = parseInteger(row.value);
    const QString scale = unit.section(' ', 0, 0);
    if (unit.isEmpty()) {
    } else if (unit == QStringLiteral("\u00d710") && number) {
        // The work mode's list counts tenths of the pedal-to-wheel ratio.
        value = decimal(*number);
        unit.clear();
        label = QCoreApplication::translate("Report", "Work Mode (pedal/wheel speed ratio)");
    } else if (scale.startsWith(QChar(0x00d7)) && number) {
        value = QString::number(static_cast<std::int64_t>(*number) * scale.mid(1).toInt());
        unit = unit.section(' ', 1);
        label.remove(kScaleNote);
    } else if (!number) {
        // A choice: its item says all ("25Km/H" is 25 km/h), or it has no unit at all.
        const QString bare = value.endsWith(unit, Qt::CaseInsensitive)
                                 ? value.chopped(unit.size()).trimmed()
                                 : QString();
        value = parseInteger(bare.toStdString()) ? bare : value;
        unit = parseInteger(bare.toStdString()) ? unit : QString();
    }
    if (!unit.isEmpty() && label.contains(QStringLiteral("(%1)").arg(unit), Qt::CaseInsensitive)) {
        unit.clear();
    }
    row.value = value.toStdString();
    row.unit = smallUnits(unit).toStdString();
    row.label = smallUnits(label).toStdString();
    row.column = smallUnits(QString::fromStdString(row.column)).toStdString();
}

namespace {

ReportRow::Source sourceOf(const Parameter& p, const ParameterModel* model) {
    using Source = ReportRow::Source;
    if (!model || (model->isHeld(p) && !model->isChanged(p))) {
        return Source::Controller;
    }
    // After connecting, what was on an unread page before is another controller's or a file's,
    // unless typed since.
    if (model->isUnread(p.block) && !model->isChanged(p)) {
        return Source::Earlier;
    }
    return model->isAsLoaded(p) ? Source::File : Source::Typed;
}

// What a page's note says of the sources of its values; read is the time of its read, if any.
std::string pageSource(const std::set<ReportRow::Source>& sources, const QString& read) {
    using Source = ReportRow::Source;
    if (sources.size() > 1) {
        return (sources.contains(Source::Controller) && !read.isEmpty()
                    ? words(QT_TRANSLATE_NOOP("Report", "Read from this controller at %1, but for "
                                                        "the values marked."))
                          .arg(read)
                    : words(QT_TRANSLATE_NOOP("Report", "Not read from this controller: each value "
                                                        "is marked with where it comes from.")))
            .toStdString();
    }
    switch (sources.empty() ? Source::Controller : *sources.begin()) {
    case Source::Controller:
        return words(QT_TRANSLATE_NOOP("Report", "Read from this controller at %1"))
            .arg(read)
            .toStdString();
    case Source::Typed:
        return words(QT_TRANSLATE_NOOP("Report", "Not read from this controller: typed in, and "
                                                 "not written to it."))
            .toStdString();
    case Source::File:
        return words(QT_TRANSLATE_NOOP("Report", "Not read from this controller: loaded from a "
                                                 "file, and not written to it."))
            .toStdString();
    case Source::Earlier:
        break;
    }
    return words(QT_TRANSLATE_NOOP("Report",
                                   "Not read from this controller: these values were left on the "
                                   "page by another controller or a file, and may not be this "
                                   "bike's."))
        .toStdString();
}

} // namespace

ReportContent reportOf(const Fields& pages, const ParameterModel* model, const std::string& note,
                       const QDateTime& takenAt, const Wording& wording) {
    const auto worded = [&](const std::string& text) { return wording ? wording(text) : text; };
    ReportContent content{takenAt, {}, note, {}};
    for (const char* label : {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11"}) {
        content.identity.push_back(pages.text(label));
    }
    for (const ShownParameter& listed : shownParameters()) {
        const ShownParameter shown = wording ? shownIn(listed, wording) : listed;
        const Parameter& p = *parameter(shown.control);
        ReportRow row{worded(std::string(blockTitle(shown.block))),
                      shown.inGrid ? "grid" : "",
                      shown.label,
                      shown.column,
                      shown.unit,
                      worded(shownValue(pages, shown.control)),
                      model && model->isChanged(p) && model->isHeld(p)
                          ? std::optional(worded(model->heldText(p)))
                          : std::nullopt,
                      shown.control};
        row.source = sourceOf(p, model);
        customerRow(row);
        if (row.held) {
            ReportRow held = row;
            held.value = *row.held;
            held.unit = shown.unit;
            held.label = shown.label;
            held.column = shown.column;
            customerRow(held);
            row.held = held.value;
        }
        content.rows.push_back(std::move(row));
    }
    const auto at = [](std::chrono::system_clock::time_point when) {
        return timeOfDay(QDateTime::fromSecsSinceEpoch(std::chrono::system_clock::to_time_t(when)));
    };
    if (!model) {
        // Read for the report there and then.
        content.source = words(QT_TRANSLATE_NOOP("Report", "Read from this controller at %1"))
                             .arg(timeOfDay(takenAt))
                             .toStdString();
    } else {
        std::optional<std::chrono::system_clock::time_point> latest;
        bool allRead = true;
        for (const Block block : kAllBlocks) {
            const std::string page = worded(std::string(blockTitle(block)));
            const auto learned = model->learnedAt(block);
            std::set<ReportRow::Source> sources;
            for (const ReportRow& row : content.rows) {
                if (parameter(row.control)->block == block) {
                    sources.insert(row.source);
                }
            }
            content.pageSources[page] = pageSource(sources, learned ? at(*learned) : QString());
            // One source is said by the page; more, by each value not from this controller.
            for (ReportRow& row : content.rows) {
                row.marked =
                    row.marked || (parameter(row.control)->block == block && sources.size() > 1 &&
                                   row.source != ReportRow::Source::Controller);
            }
            allRead = allRead && sources == std::set{ReportRow::Source::Controller};
            latest = learned && (!latest || *learned > *latest) ? learned : latest;
        }
        if (allRead) {
            content.source = words(QT_TRANSLATE_NOOP("Report", "Read from this controller at %1"))
                                 .arg(at(*latest))
                                 .toStdString();
            content.pageSources.clear();
        }
        for (const Parameter* p : model->visitChanges()) {
            const auto row =
                std::find_if(content.rows.begin(), content.rows.end(),
                             [&](const ReportRow& r) { return r.control == p->control; });
            ReportRow before = *row;
            before.value = worded(model->firstHeldText(*p));
            before.unit = row->unit.empty() ? "" : std::string(p->unit);
            customerRow(before);
            ReportRow change = *row;
            change.value = worded(model->heldText(*p));
            change.unit = before.unit.empty() ? "" : std::string(p->unit);
            change.label = (row->section.empty() ? "" : row->column + " ") + row->label;
            change.held = before.value;
            content.visit.push_back(std::move(change));
        }
    }
    // The page lists the delta voltages in two columns; read down, their bands go up, as the
    // controller's bytes do.
    const auto delta = [](const ReportRow& row) {
        return parameter(row.control)->column == "Delta Voltage:";
    };
    const auto first = std::find_if(content.rows.begin(), content.rows.end(), delta);
    const auto last = std::find_if_not(first, content.rows.end(), delta);
    std::stable_sort(first, last, [](const ReportRow& a, const ReportRow& b) {
        return parameter(a.control)->index < parameter(b.control)->index;
    });
    return content;
}

QString reportHtml(const ReportContent& content) {
    const QString title = words(QT_TRANSLATE_NOOP("Report", "Controller settings")).toHtmlEscaped();
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                                  "<body><h2>%1</h2>")
                       .arg(title);
    html +=
        QStringLiteral("<p>%1</p>")
            .arg(words(QT_TRANSLATE_NOOP("Report", "Date: %1")).arg(dateAndTime(content.takenAt)));
    if (!content.technician.empty()) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(words(QT_TRANSLATE_NOOP("Report", "Technician: %1"))
                             .arg(escaped(content.technician)));
    }
    if (!content.note.empty()) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(words(QT_TRANSLATE_NOOP("Report", "Bike or customer: %1"))
                             .arg(QStringLiteral("<b>%1</b>").arg(escaped(content.note))));
    }
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" width=\"100%\">");
    for (std::size_t i = 0; i < content.identity.size(); i += 2) {
        html += QStringLiteral("<tr><td width=\"50%\">%1</td><td width=\"50%\">%2</td></tr>")
                    .arg(escaped(content.identity[i]), i + 1 < content.identity.size()
                                                           ? escaped(content.identity[i + 1])
                                                           : QString());
    }
    html += QStringLiteral("</table>");
    if (std::any_of(content.rows.begin(), content.rows.end(),
                    [](const ReportRow& row) { return row.changed(); })) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(words(QT_TRANSLATE_NOOP("Report", "Where a value is not what the "
                                                           "controller holds, the controller's "
                                                           "value follows it."))
                             .toHtmlEscaped());
    }
    for (const auto source :
         {ReportRow::Source::Typed, ReportRow::Source::File, ReportRow::Source::Earlier}) {
        if (std::any_of(content.rows.begin(), content.rows.end(), [source](const ReportRow& row) {
                return row.marked && row.source == source;
            })) {
            html += QStringLiteral("<p>%1</p>")
                        .arg(markLegend(source).toHtmlEscaped().arg(
                            QStringLiteral("<b>%1</b>").arg(sourceMark(source).toHtmlEscaped())));
        }
    }
    if (!content.source.empty()) {
        html += QStringLiteral("<p><b>%1</b></p>").arg(escaped(content.source));
    }
    if (!content.visit.empty()) {
        html += QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" "
                               "cellpadding=\"2\" width=\"100%\"><tr><th align=\"left\">%2</th>"
                               "<th align=\"left\">%3</th><th align=\"left\">%4</th></tr>")
                    .arg(words(QT_TRANSLATE_NOOP("Report", "Changes in this visit")),
                         words(QT_TRANSLATE_NOOP("Report", "Setting")),
                         words(QT_TRANSLATE_NOOP("Report", "Before")),
                         words(QT_TRANSLATE_NOOP("Report", "After")));
        for (const ReportRow& change : content.visit) {
            const QString unit =
                change.unit.empty() ? QString() : QStringLiteral(" ") + escaped(change.unit);
            html += QStringLiteral("<tr><td>%1: %2</td><td>%3%5</td><td>%4%5</td></tr>")
                        .arg(escaped(change.page), escaped(change.label), escaped(*change.held),
                             escaped(change.value), unit);
        }
        html += QStringLiteral("</table>");
    }
    // Page by page, each run of rows of one part of a page in a table of its own.
    for (std::size_t i = 0; i < content.rows.size();) {
        const std::string& page = content.rows[i].page;
        html += QStringLiteral("<h3>%1</h3>").arg(escaped(page));
        if (const auto source = content.pageSources.find(page);
            source != content.pageSources.end()) {
            html += QStringLiteral("<p><i>%1</i></p>").arg(escaped(source->second));
        }
        while (i < content.rows.size() && content.rows[i].page == page) {
            const std::string& section = content.rows[i].section;
            std::vector<const ReportRow*> part;
            for (; i < content.rows.size() && content.rows[i].page == page &&
                   content.rows[i].section == section;
                 ++i) {
                part.push_back(&content.rows[i]);
            }
            html += section.empty() ? listTable(part) : gridTable(part);
        }
    }
    return html + QStringLiteral("</body></html>");
}

void printReport(const ReportContent& content, QPagedPaintDevice& device) {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    QFont font = document.defaultFont();
    font.setPointSizeF(8.5);
    document.setDefaultFont(font);
    document.setHtml(reportHtml(content));
    const QFontMetricsF lines(font, &device);
    const qreal width = device.width();
    const qreal header = content.shop.empty()
                             ? 0
                             : lines.lineSpacing() * (static_cast<qreal>(content.shop.size()) + 1);
    const qreal footer = lines.lineSpacing() * 2;
    const qreal body = device.height() - header - footer;
    document.setPageSize(QSizeF(width, body));

    // A section (a page's title and its tables) that a page end would cut starts the next page,
    // when it fits on one; each move can only push later sections down, so one pass in order
    // settles them.
    std::vector<QTextBlock> titles;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 3) {
            titles.push_back(block);
        }
    }
    QAbstractTextDocumentLayout& layout = *document.documentLayout();
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const qreal top = layout.blockBoundingRect(titles[i]).top();
        const qreal end = i + 1 < titles.size() ? layout.blockBoundingRect(titles[i + 1]).top()
                                                : layout.documentSize().height();
        if (std::floor(top / body) != std::floor((end - 1) / body) && end - top <= body) {
            QTextCursor cursor(titles[i]);
            QTextBlockFormat format = titles[i].blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(format);
        }
    }

    const int pages = document.pageCount();
    QPainter painter(&device);
    painter.setFont(font);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            device.newPage();
        }
        qreal y = 0;
        for (const std::string& line : content.shop) {
            painter.drawText(QRectF(0, y, width, lines.lineSpacing()), Qt::AlignLeft,
                             QString::fromStdString(line));
            y += lines.lineSpacing();
        }
        const QImage logo =
            content.logo.empty() ? QImage() : QImage(QString::fromStdString(content.logo));
        if (header > 0 && !logo.isNull()) {
            const QSizeF room(width / 4, header - lines.lineSpacing());
            const QSizeF size = QSizeF(logo.size()).scaled(room, Qt::KeepAspectRatio);
            painter.drawImage(QRectF(QPointF(width - size.width(), 0), size), logo);
        }
        if (header > 0) {
            painter.drawLine(QPointF(0, header - lines.lineSpacing() / 2),
                             QPointF(width, header - lines.lineSpacing() / 2));
        }
        painter.save();
        painter.translate(0, header - page * body);
        document.drawContents(&painter, QRectF(0, page * body, width, body));
        painter.restore();
        painter.drawText(
            QRectF(0, device.height() - lines.lineSpacing(), width, lines.lineSpacing()),
            Qt::AlignRight,
            words(QT_TRANSLATE_NOOP("Report", "Page %1 of %2")).arg(page + 1).arg(pages));
    }
}

QByteArray reportPdf(const ReportContent& content) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
        writer.setTitle(words(QT_TRANSLATE_NOOP("Report", "Controller settings")));
        writer.setCreator(QStringLiteral("morvent"));
        printReport(content, writer);
    }
    return buffer.data();
}

} // namespace morvent

namespace morvent {

std::string reportTargetProblem(const std::string& path) {
    return reportTargetWording(path).english();
}

WordedText reportTargetWording(const std::string& path) {
    if (!htmlName(path) && !endsWith(path, ".pdf")) {
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "name the report FILE.pdf or FILE.html"));
    }
    if (isDanglingLink(path)) {
        return WordedText(
            QT_TRANSLATE_NOOP("Protocol", "it is a symbolic link to %1, which does not exist"),
            {WordedText::literal(linkTarget(path))});
    }
    // An existing file must take writing; a new one, its folder must take it. The system's own
    // reasons are its words, shown as they are.
    const int refused = whyNotWritable(path);
    if (refused == kNotARegularFile) {
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "it is not a regular file"));
    }
    if (refused != ENOENT) {
        return WordedText::literal(refused == 0 ? std::string() : fileErrorText(refused));
    }
    const int folder = whyNoNewFile(path);
    return WordedText::literal(folder == 0 ? std::string() : fileErrorText(folder));
}

void saveReport(const ReportContent& content, const std::string& path) {
    if (WordedText problem = reportTargetWording(path); !problem.empty()) {
        throw ReportError(WordedText(QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: %2"),
                                     {WordedText::literal(path), std::move(problem)}));
    }
    errno = 0;
    const QByteArray bytes = htmlName(path) ? reportHtml(content).toUtf8() : reportPdf(content);
    if (!replaceFile(path,
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        const int why = errno;
        throw ReportError(
            why == 0
                ? WordedText(QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1"),
                             {WordedText::literal(path)})
                : WordedText(QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: %2"),
                             {WordedText::literal(path), WordedText::literal(fileErrorText(why))}));
    }
}

} // namespace morvent
