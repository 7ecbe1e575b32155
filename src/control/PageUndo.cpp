#include "PageUndo.h"

#include "PageRows.h"

#include <QPushButton>

namespace morvent {

namespace {

std::size_t pageOf(Block block) {
    return static_cast<std::size_t>(layout(block).page);
}

} // namespace

PageUndo::PageUndo(Fields& fields, const std::array<QPushButton*, 4>& buttons, QObject* parent)
    : QObject(parent), m_fields(fields), m_buttons(buttons) {
    for (Block block : kAllBlocks) {
        QPushButton* button = m_buttons[pageOf(block)];
        button->setEnabled(false);
        button->setToolTip(QStringLiteral("Nothing to undo: the page has not been read or loaded"));
        connect(button, &QPushButton::clicked, this, [this, block] { undo(block); });
    }
}

void PageUndo::remember(Block block) {
    std::vector<Value> values;
    // What a parameter file holds of each control is all a read or a load can have put there.
    for (const ParameterRow& row : pageRows(block)) {
        if (row.kind == ParameterKind::SelectedIndex) {
            values.push_back({row, {}, m_fields.selectedIndex(row.control)});
        } else {
            values.push_back({row, m_fields.text(row.control), -1});
        }
    }
    m_kept[pageOf(block)] = std::move(values);
    QPushButton* button = m_buttons[pageOf(block)];
    button->setEnabled(true);
    button->setToolTip(QStringLiteral("Put back this page's values as read or loaded at %1")
                           .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
}

void PageUndo::rememberAll() {
    for (Block block : kAllBlocks) {
        remember(block);
    }
}

void PageUndo::undo(Block block) {
    const auto& kept = m_kept[pageOf(block)];
    if (!kept) {
        return;
    }
    for (const Value& value : *kept) {
        if (value.row.kind == ParameterKind::SelectedIndex) {
            m_fields.setSelectedIndex(value.row.control, value.index);
        } else {
            m_fields.setText(value.row.control, value.text);
        }
    }
}

bool PageUndo::canUndo(Block block) const {
    return m_kept[pageOf(block)].has_value();
}

} // namespace morvent
