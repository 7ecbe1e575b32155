#include "Layout.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace morvent::test {

void settle() {
    for (int i = 0; i < 8; ++i) {
        QApplication::processEvents();
    }
}

std::vector<std::string> clippedWidgets(QWidget& area) {
    std::vector<std::string> clipped;
    const QRect bounds = area.rect();
    for (QWidget* w : area.findChildren<QWidget*>()) {
        // The parts of an edit or a combo box are laid out by it, not by the page.
        if (!w->isVisibleTo(&area) || qobject_cast<QLineEdit*>(w->parentWidget()) ||
            qobject_cast<QComboBox*>(w->parentWidget())) {
            continue;
        }
        const auto* label = qobject_cast<QLabel*>(w);
        const QRect inArea(w->mapTo(&area, QPoint(0, 0)), w->size());
        const QSize needed = w->minimumSizeHint();
        const bool squeezed =
            (needed.isValid() && (w->width() < needed.width() || w->height() < needed.height())) ||
            (label && label->width() < label->sizeHint().width());
        if (!bounds.contains(inArea) || squeezed) {
            clipped.push_back(std::string(w->metaObject()->className()) + " " +
                              (label ? label->text() : w->objectName()).toStdString());
        }
    }
    return clipped;
}

} // namespace morvent::test
