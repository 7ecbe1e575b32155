// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ParameterFile.h"
#include "ParameterFileDialog.h"

#include <functional>
#include <vector>

namespace morvent {

class TForm5;

// The Load dialog: its button fills the four parameter pages from the file chosen in the window.
// Nothing reaches the controller until the pages are written. A file that a save cut short left
// is refused naming the newest copy of what it held among replaced.
class LoadDialog final : public ParameterFileDialog {
    Q_OBJECT
public:
    LoadDialog(TForm5& window, Fields& parameters, MessageBoxes& boxes, ReplacedFiles replaced);

    // Told of each load that went through, with the fields the file gave no value.
    std::function<void(const std::string& path, const std::vector<ParameterFileProblem>& problems)>
        loaded;

private:
    void transfer(Fields& parameters, const std::string& path) override;

    ReplacedFiles m_replaced;
};

} // namespace morvent
