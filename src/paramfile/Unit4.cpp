// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Unit4.h"

#include "ParameterFile.h"
#include "SaveWindow.h"

namespace morvent {

SaveDialog::SaveDialog(TForm4& window, Fields& parameters, MessageBoxes& boxes,
                       ReplacedFiles replaced)
    : ParameterFileDialog(window, parameters, boxes), m_replaced(std::move(replaced)) {}

void SaveDialog::transfer(Fields& parameters, const std::string& path) {
    const SaveOutcome outcome = SaveParameterFile(parameters, path, m_replaced);
    if (!outcome.replacedCopy.empty() && replacedKept) {
        replacedKept(path, outcome.replacedCopy);
    } else if (outcome.replacedCopy.empty() && saved) {
        saved(path);
    }
}

} // namespace morvent
