#include "SaveWindow.h"

namespace morvent {

TForm4::TForm4(QWidget* parent)
    : FileChoiceWindow(QStringLiteral("Form4"), QStringLiteral("Save"), QStringLiteral("Save"),
                       kWidth, kHeight, parent) {}

} // namespace morvent
