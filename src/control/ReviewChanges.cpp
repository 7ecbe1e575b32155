// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ReviewChanges.h"

#include "Translations.h"

#include "BlockLayout.h"
#include "KeyboardNavigation.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace morvent {

namespace {

// The caption as the page shows it, in the window's language.
QString shownCaption(const Parameter& p) {
    const QString label = shownText(p.labelWording).trimmed();
    return p.column.empty() ? label : shownText(p.columnWording) + QLatin1Char(' ') + label;
}

} // namespace

ReviewChanges::ReviewChanges(QWidget& window, QTabWidget& notebook, ParameterModel& model,
                             std::function<void()> writeFlash)
    : QDialog(&window), m_window(window), m_notebook(notebook), m_model(model) {
    setObjectName(QStringLiteral("ReviewChanges"));
    setWindowTitle(tr("Review Changes"));
    auto* layout = new QVBoxLayout(this);
    m_table = new QTableWidget(0, 5, this);
    m_table->setObjectName(QStringLiteral("ChangesTable"));
    m_table->setHorizontalHeaderLabels(
        {tr("Page"), tr("Field"), tr("Unit"), tr("Controller"), tr("Page value")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Arrows move between cells; Tab goes on to the buttons, as in any other dialog.
    m_table->setTabKeyNavigation(false);
    m_table->setAccessibleName(tr("Changes not written"));
    m_table->verticalHeader()->hide();
    // Each column as wide as its words in the window's language, the page's values taking the rest.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table);
    m_putBack = new QPushButton(tr("Put Back"), this);
    m_putBack->setObjectName(QStringLiteral("PutBack"));
    m_putBack->setToolTip(tr("Give the selected fields the controller's values"));
    m_writeFlash = new QPushButton(tr("Write Flash"), this);
    m_writeFlash->setObjectName(QStringLiteral("ReviewWriteFlash"));
    auto* close = new QPushButton(tr("Close", "closes this window"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_putBack);
    buttons->addWidget(m_writeFlash);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    // Enter goes to the field, not to a button; a caption keeps its distance from the edges.
    QSet<QChar> taken;
    giveAccessKeys({m_putBack, m_writeFlash, close}, taken);
    for (QPushButton* button : {m_putBack, m_writeFlash, close}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(button->sizeHint().width() +
                                2 * button->fontMetrics().averageCharWidth());
    }
    resize(640, 360);

    connect(m_table, &QTableWidget::itemActivated, this,
            [this](QTableWidgetItem* item) { goTo(item->row()); });
    connect(m_putBack, &QPushButton::clicked, this, [this] { putBack(); });
    connect(m_writeFlash, &QPushButton::clicked, this, std::move(writeFlash));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    m_model.listen([this](const Parameter*) {
        if (isVisible()) {
            refresh();
        }
    });
}

void ReviewChanges::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void ReviewChanges::refresh() {
    std::set<const Parameter*> selected;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        selected.insert(m_rows.at(static_cast<std::size_t>(index.row())));
    }
    m_rows = m_model.changes();
    m_table->setRowCount(static_cast<int>(m_rows.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const Parameter& p = *m_rows[static_cast<std::size_t>(row)];
        const ShownValue shown = m_model.shown(p);
        const QStringList cells{shownText(p.section()), shownCaption(p), shownText(p.unit),
                                shownText(m_model.heldText(p)), shownText(shown.text)};
        for (int column = 0; column < cells.size(); ++column) {
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        if (selected.contains(&p)) {
            m_table->selectRow(row);
        }
    }
    m_putBack->setEnabled(!m_rows.empty());
}

void ReviewChanges::goTo(int row) {
    const Parameter& p = *m_rows.at(static_cast<std::size_t>(row));
    m_notebook.setCurrentIndex(morvent::layout(p.block).page);
    if (auto* field = m_window.findChild<QWidget*>(QString::fromStdString(p.control))) {
        m_window.activateWindow();
        field->setFocus(Qt::OtherFocusReason);
    }
}

void ReviewChanges::putBack() {
    std::vector<const Parameter*> chosen;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        chosen.push_back(m_rows.at(static_cast<std::size_t>(index.row())));
    }
    for (const Parameter* p : chosen) {
        m_model.putBack(*p, m_model);
    }
}

} // namespace morvent
