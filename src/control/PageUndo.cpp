// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PageUndo.h"

#include "BlockLayout.h"

#include <QPushButton>

namespace morvent {

namespace {

std::size_t pageOf(Block block) {
    return static_cast<std::size_t>(layout(block).page);
}

} // namespace

PageUndo::PageUndo(ParameterModel& model, const std::array<QPushButton*, 4>& buttons,
                   QObject* parent)
    : QObject(parent), m_model(model), m_buttons(buttons) {
    for (Block block : kAllBlocks) {
        QPushButton* button = m_buttons[pageOf(block)];
        button->setEnabled(false);
        button->setToolTip(tr("Nothing to undo: the page has not been read or loaded"));
        connect(button, &QPushButton::clicked, this, [this, block] { undo(block); });
    }
}

void PageUndo::remember(Block block) {
    // What a parameter file holds of each control is all a read or a load can have put there.
    m_model.keepForUndo(block);
    QPushButton* button = m_buttons[pageOf(block)];
    button->setEnabled(true);
    button->setToolTip(tr("Put back this page's values as read or loaded at %1")
                           .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
}

void PageUndo::rememberAll() {
    for (Block block : kAllBlocks) {
        remember(block);
    }
}

void PageUndo::undo(Block block) {
    if (const auto& kept = m_model.keptForUndo(block)) {
        // A copy: putting the values back is a change the model is told of.
        const ParameterModel::Values values = *kept;
        ParameterModel::put(block, values, m_model);
    }
}

} // namespace morvent
