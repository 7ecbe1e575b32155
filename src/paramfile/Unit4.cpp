#include "Unit4.h"

#include "ParameterFile.h"
#include "SaveWindow.h"

namespace morvent {

SaveDialog::SaveDialog(TForm4& window, Fields& parameters, MessageBoxes& boxes)
    : ParameterFileDialog(window, parameters, boxes) {}

void SaveDialog::transfer(Fields& parameters, const std::string& path) {
    SaveParameterFile(parameters, path);
}

} // namespace morvent
