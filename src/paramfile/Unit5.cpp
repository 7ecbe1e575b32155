// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Unit5.h"

#include "LoadWindow.h"
#include "ParameterFile.h"

namespace morvent {

LoadDialog::LoadDialog(TForm5& window, Fields& parameters, MessageBoxes& boxes,
                       ReplacedFiles replaced)
    : ParameterFileDialog(window, parameters, boxes), m_replaced(std::move(replaced)) {}

void LoadDialog::transfer(Fields& parameters, const std::string& path) {
    const std::vector<ParameterFileProblem> problems =
        LoadParameterFile(parameters, path, &m_replaced);
    if (loaded) {
        loaded(path, problems);
    }
}

} // namespace morvent
