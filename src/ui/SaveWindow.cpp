#include "SaveWindow.h"

namespace morvent {

TForm4::TForm4(QWidget* parent)
    : FileChoiceWindow(QStringLiteral("Form4"), tr("Save"), tr("Save"), kWidth, kHeight, parent) {}

} // namespace morvent
