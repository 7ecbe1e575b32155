// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "GettingStarted.h"

#include "Form1Ui.h"
#include "KeyboardNavigation.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace morvent {

namespace {

// A caption as it is named in a sentence: without its access key, the colon of a field's caption
// or the dots of a command that opens a window.
QString named(const QString& caption) {
    QString text = withoutAccessKey(caption).trimmed();
    for (const QString& end : {QStringLiteral("..."), QStringLiteral("\u2026"), QStringLiteral(":"),
                               QStringLiteral("\uff1a")}) {
        if (text.endsWith(end)) {
            text.chop(end.size());
        }
    }
    return QStringLiteral("<b>%1</b>").arg(text.trimmed().toHtmlEscaped());
}

QString keys(const QAction* action) {
    return action->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped();
}

} // namespace

GettingStarted::GettingStarted(const Form1Ui& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_text(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("GettingStarted"));
    setWindowTitle(tr("Getting Started"));
    setAccessibleName(windowTitle());
    setModal(false);
    m_text->setObjectName(QStringLiteral("GettingStartedText"));
    m_text->setAccessibleName(windowTitle());
    m_text->setOpenLinks(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    setMinimumSize(320, 240);
    resize(kWidth, kHeight);
    m_text->setHtml(steps());
}

void GettingStarted::showEvent(QShowEvent* event) {
    // The captions as they are now: access keys are given after the window is built.
    m_text->setHtml(steps());
    QDialog::showEvent(event);
}

QString GettingStarted::steps() const {
    const QString port = named(m_ui.Label4->text());
    const QString readFlash = named(m_ui.BitBtn2->text());
    const QString writeFlash = named(m_ui.BitBtn3->text());
    const QString file = named(m_ui.File1->title());
    const QStringList items{
        tr("<b>Connect.</b> Plug the USB-serial adapter into the computer and into the "
           "controller's programming lead, and switch the controller on. Choose the adapter in the "
           "%1 list and press %2. Once the controller answers, %3 shows its model and firmware.")
                .arg(port, named(m_ui.BitBtn1->text()), named(m_ui.GroupBox2->title())) +
            QStringLiteral("<br>") +
            tr("Without an adapter or a bike, start morvent from its menu entry \"Try with the "
               "simulated controller\" (or as <tt>morvent --simulate</tt>): the simulated "
               "controller is then first in the %1 list and answers as a real one does.")
                .arg(port),
        tr("<b>Read.</b> Press %1 to read all four pages from the controller, or a page's own %2 "
           "for that page alone. Each %1 keeps a backup of what the controller held.")
            .arg(readFlash, named(m_ui.BitBtn5->text())),
        tr("<b>Change.</b> Type the new values into the fields. A changed field is marked until "
           "it is written; %1 puts its page back as it was read. Rest the mouse on a field to see "
           "what it sets and which values it takes.")
            .arg(named(m_ui.UndoButtons[Form1Ui::BasicPage]->text())),
        tr("<b>Review.</b> %1 in the %2 menu (%3) lists every changed field with the "
           "controller's value beside the page's, before anything is written.")
            .arg(named(m_ui.ReviewChanges1->text()), named(m_ui.EditMenu->title()),
                 keys(m_ui.ReviewChanges1)),
        tr("<b>Write.</b> Press %1 to write all four pages, or a page's own %2. Should the "
           "controller refuse a value, a message says which, and its field is shown.")
            .arg(writeFlash, named(m_ui.BitBtn4->text())),
        tr("<b>Save.</b> %1 → %2 (%3) keeps the four pages' values in a parameter file "
           "(.el); %1 → %4 puts them back into the pages, to write to this controller or "
           "another.")
            .arg(file, named(m_ui.Save1->text()), keys(m_ui.Save1), named(m_ui.Load1->text())),
        tr("<b>Report.</b> %1 → %2 writes what the pages hold to a PDF or HTML file for the "
           "customer or the workshop's records; %1 → %3 prints it.")
            .arg(file, named(m_ui.ExportReport1->text()), named(m_ui.Print1->text())),
    };
    QString html = QStringLiteral("<p>%1</p><ol>")
                       .arg(tr("Seven steps from a controller on the bench to a report of what it "
                               "holds."));
    for (const QString& item : items) {
        html += QStringLiteral("<li style=\"margin-bottom: 8px\">%1</li>").arg(item);
    }
    return html + QStringLiteral("</ol>");
}

} // namespace morvent
