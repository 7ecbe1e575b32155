#include "SaveWindow.h"

namespace morvent {

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Save"));
    resize(kWidth, kHeight);
}

} // namespace morvent
