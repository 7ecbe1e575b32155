// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Report.h"

#include "FileIo.h"
#include "ParameterModel.h"
#include "ShownParameters.h"

#include "Wording.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>

namespace morvent {

namespace {

QString words(const char* english) {
    return QCoreApplication::translate("Report", english);
}

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// A value, and where it is not what the controller holds, the mark and the controller's value.
QString valueCell(const ReportRow& row) {
    QString cell = escaped(row.value);
    if (row.changed()) {
        cell =
            QStringLiteral("<b>%1 *</b> %2")
                .arg(
                    cell,
                    words(QT_TRANSLATE_NOOP("Report", "(controller: %1)")).arg(escaped(*row.held)));
    }
    return cell;
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
        content.rows.push_back(
            {worded(std::string(blockTitle(shown.block))), shown.inGrid ? "grid" : "", shown.label,
             shown.column, shown.unit, worded(shownValue(pages, shown.control)),
             model && model->isChanged(p) ? std::optional(worded(model->heldText(p)))
                                          : std::nullopt});
    }
    return content;
}

QString reportHtml(const ReportContent& content) {
    const QString title = words(QT_TRANSLATE_NOOP("Report", "Controller settings")).toHtmlEscaped();
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                                  "<body><h2>%1</h2>")
                       .arg(title);
    html += QStringLiteral("<p>%1</p>")
                .arg(words(QT_TRANSLATE_NOOP("Report", "Date: %1"))
                         .arg(content.takenAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
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
        html += QStringLiteral("<p><b>*</b> %1</p>")
                    .arg(words(QT_TRANSLATE_NOOP("Report", "The value is not what the controller "
                                                           "holds; the controller's value follows "
                                                           "it."))
                             .toHtmlEscaped());
    }
    // Page by page, each run of rows of one part of a page in a table of its own.
    for (std::size_t i = 0; i < content.rows.size();) {
        const std::string& page = content.rows[i].page;
        html += QStringLiteral("<h3>%1</h3>").arg(escaped(page));
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
    QFont font = document.defaultFont();
    font.setPointSizeF(8.5);
    document.setDefaultFont(font);
    document.setHtml(reportHtml(content));
    document.print(&device);
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
    if (!htmlName(path) && !endsWith(path, ".pdf")) {
        return QT_TRANSLATE_NOOP("Protocol", "name the report FILE.pdf or FILE.html");
    }
    if (isDanglingLink(path)) {
        return fill(
            QT_TRANSLATE_NOOP("Protocol", "it is a symbolic link to %1, which does not exist"),
            {linkTarget(path)});
    }
    // An existing file must take writing; a new one, its folder must take it.
    const int refused = whyNotWritable(path);
    if (refused == kNotARegularFile) {
        return QT_TRANSLATE_NOOP("Protocol", "it is not a regular file");
    }
    if (refused != ENOENT) {
        return refused == 0 ? std::string() : fileErrorText(refused);
    }
    const int folder = whyNoNewFile(path);
    return folder == 0 ? std::string() : fileErrorText(folder);
}

void saveReport(const ReportContent& content, const std::string& path) {
    if (const std::string problem = reportTargetProblem(path); !problem.empty()) {
        throw ReportError(
            fill(QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: %2"), {path, problem}));
    }
    errno = 0;
    const QByteArray bytes = htmlName(path) ? reportHtml(content).toUtf8() : reportPdf(content);
    if (!replaceFile(path,
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        const int why = errno;
        throw ReportError(why == 0
                              ? fill(QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1"), {path})
                              : fill(QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: %2"),
                                     {path, fileErrorText(why)}));
    }
}

} // namespace morvent
