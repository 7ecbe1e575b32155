// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ParameterModel.h"

#include <QObject>
#include <QTime>

#include <array>

class QPushButton;

namespace morvent {

// "Undo Changes" on each page: puts back the values the page held right after its last
// successful read from the controller or load from a file, as the parameter model keeps them, so
// a technician can try values and return to the known set. Nothing is sent to the controller.
// Until a page has been read or loaded its button is disabled.
class PageUndo : public QObject {
    Q_OBJECT
public:
    // buttons by page index; each one's click puts its page's kept values back into the model.
    PageUndo(ParameterModel& model, const std::array<QPushButton*, 4>& buttons,
             QObject* parent = nullptr);

    // The page now holds what the controller or a file gave it.
    void remember(Block block);
    void rememberAll();

    void undo(Block block);
    bool canUndo(Block block) const { return m_model.keptForUndo(block).has_value(); }

private:
    ParameterModel& m_model;
    std::array<QPushButton*, 4> m_buttons;
};

} // namespace morvent
