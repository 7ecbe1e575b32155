#pragma once

#include "ParameterFileDialog.h"

namespace morvent {

class TForm4;

// The Save dialog: its button writes the four parameter pages to the file named in the window.
class SaveDialog final : public ParameterFileDialog {
    Q_OBJECT
public:
    SaveDialog(TForm4& window, Fields& parameters, MessageBoxes& boxes);

private:
    void transfer(Fields& parameters, const std::string& path) override;
};

} // namespace morvent
