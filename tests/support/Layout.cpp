#include "Layout.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include <algorithm>

namespace morvent::test {

void settle() {
    for (int i = 0; i < 8; ++i) {
        QApplication::processEvents();
    }
}

namespace {

// What scrolls in a scroll area, when `w` is that.
bool scrolls(const QWidget& w) {
    const QWidget* view = w.parentWidget();
    const auto* scroll = view ? qobject_cast<const QScrollArea*>(view->parentWidget()) : nullptr;
    return scroll && scroll->widget() == &w;
}

// A widget in a scroll area within `area` must stay within what scrolls, not within the view.
QWidget& boundsOf(QWidget& w, QWidget& area) {
    for (QWidget* p = w.parentWidget(); p && p != &area; p = p->parentWidget()) {
        if (scrolls(*p)) {
            return *p;
        }
    }
    return area;
}

} // namespace

std::vector<std::string> clippedWidgets(QWidget& area) {
    std::vector<std::string> clipped;
    for (QWidget* w : area.findChildren<QWidget*>()) {
        // The parts of an edit or a combo box are laid out by it, not by the page.
        if (!w->isVisibleTo(&area) || qobject_cast<QLineEdit*>(w->parentWidget()) ||
            qobject_cast<QComboBox*>(w->parentWidget())) {
            continue;
        }
        QWidget& within = boundsOf(*w, area);
        const auto* label = qobject_cast<QLabel*>(w);
        const QRect inArea(w->mapTo(&within, QPoint(0, 0)), w->size());
        QRect bounds = within.rect();
        if (scrolls(*w)) {
            // Taller than its view where the view is short: that is what it scrolls for.
            bounds.setHeight(std::max(bounds.height(), inArea.bottom() + 1));
        }
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
