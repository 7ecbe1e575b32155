#include "LoadWindow.h"

namespace morvent {

TForm5::TForm5(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Load"));
    resize(kWidth, kHeight);
}

} // namespace morvent
