// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ReportActions.h"

#include "Fields.h"
#include "MessageBoxes.h"
#include "Report.h"
#include "ShopDetails.h"
#include "StatusNote.h"
#include "Translations.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <vector>

namespace morvent {

ReportActions::ReportActions(QWidget& parent, const Fields& pages, const ParameterModel& model,
                             MessageBoxes& boxes, StatusNote& note, QSettings& settings,
                             Questions questions)
    : QObject(&parent), m_parent(parent), m_pages(pages), m_model(model), m_boxes(boxes),
      m_note(note), m_settings(settings), m_questions(std::move(questions)) {}

ReportContent ReportActions::shownReport(const QString& note) const {
    ReportContent content =
        reportOf(m_pages, &m_model, note.toStdString(), QDateTime::currentDateTime(),
                 [](std::string_view text) { return shownText(text).toStdString(); });
    addShopDetails(content, readShopDetails(m_settings));
    return content;
}

void ReportActions::ReportSettings1Click() {
    QDialog dialog(&m_parent);
    dialog.setObjectName(QStringLiteral("ReportSettings"));
    dialog.setWindowTitle(tr("Report Settings"));
    auto* form = new QFormLayout(&dialog);
    ShopDetails shop = readShopDetails(m_settings);
    const std::pair<QString*, QString> fields[] = {{&shop.name, tr("Shop name:")},
                                                   {&shop.address, tr("Address:")},
                                                   {&shop.phone, tr("Phone:")},
                                                   {&shop.email, tr("E-mail:")},
                                                   {&shop.logo, tr("Logo (a picture file):")},
                                                   {&shop.technician, tr("Technician:")}};
    std::vector<QLineEdit*> edits;
    for (const auto& [value, label] : fields) {
        auto* edit = new QLineEdit(*value, &dialog);
        edit->setMinimumWidth(320);
        form->addRow(label, edit);
        edits.push_back(edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (m_questions.settings ? !m_questions.settings(dialog) : dialog.exec() != QDialog::Accepted) {
        return;
    }
    for (std::size_t i = 0; i < edits.size(); ++i) {
        *fields[i].first = edits[i]->text();
    }
    writeShopDetails(m_settings, shop);
}

std::optional<QString> ReportActions::askNote() {
    if (m_questions.note) {
        return m_questions.note();
    }
    bool ok = false;
    const QString text = QInputDialog::getText(&m_parent, tr("Report"),
                                               tr("Bike or customer (printed on the report):"),
                                               QLineEdit::Normal, QString(), &ok);
    return ok ? std::optional(text) : std::nullopt;
}

void ReportActions::ExportReport1Click() {
    const std::optional<QString> note = askNote();
    if (!note) {
        return;
    }
    QString path =
        m_questions.file
            ? m_questions.file()
            : QFileDialog::getSaveFileName(&m_parent, tr("Export Report"), QDir::homePath(),
                                           tr("PDF (*.pdf);;HTML (*.html)"));
    if (path.isEmpty()) {
        return;
    }
    // A name typed without its kind is a PDF, the report's usual form.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("html") &&
        suffix != QLatin1String("htm")) {
        path += QStringLiteral(".pdf");
    }
    try {
        saveReport(shownReport(*note), QFile::encodeName(path).toStdString());
        m_note.say(tr("Report saved: %1").arg(QFileInfo(path).fileName()), path);
    } catch (const std::exception& error) {
        showGeneralError(m_boxes, error);
    }
}

void ReportActions::Print1Click() {
    const std::optional<QString> note = askNote();
    if (!note) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(tr("Controller settings"));
    const bool chosen = m_questions.printer
                            ? m_questions.printer(printer)
                            : QPrintDialog(&printer, &m_parent).exec() == QDialog::Accepted;
    if (chosen) {
        printReport(shownReport(*note), printer);
    }
}

} // namespace morvent
