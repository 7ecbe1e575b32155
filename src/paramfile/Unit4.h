// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ParameterFileDialog.h"
#include "ReplacedFiles.h"

#include <functional>
#include <string>

namespace morvent {

class TForm4;

// The Save dialog: its button writes the four parameter pages to the file named in the window.
// What a save replaces is kept in replaced first.
class SaveDialog final : public ParameterFileDialog {
    Q_OBJECT
public:
    SaveDialog(TForm4& window, Fields& parameters, MessageBoxes& boxes, ReplacedFiles replaced);

    // Told after a save that replaced what a file held: the file, and where its old content is.
    std::function<void(const std::string& path, const std::string& copy)> replacedKept;
    // Told after a save that replaced nothing: the file written.
    std::function<void(const std::string& path)> saved;

private:
    void transfer(Fields& parameters, const std::string& path) override;

    ReplacedFiles m_replaced;
};

} // namespace morvent
