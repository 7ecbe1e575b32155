// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Unit5.h"

#include "LoadWindow.h"
#include "ParameterFile.h"

namespace morvent {

LoadDialog::LoadDialog(TForm5& window, Fields& parameters, MessageBoxes& boxes)
    : ParameterFileDialog(window, parameters, boxes) {}

void LoadDialog::transfer(Fields& parameters, const std::string& path) {
    const std::vector<ParameterFileProblem> problems = LoadParameterFile(parameters, path);
    if (loaded) {
        loaded(path, problems);
    }
}

} // namespace morvent
