// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Layout.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

namespace morvent::test {

void settle() {
    for (int i = 0; i < 8; ++i) {
        QApplication::processEvents();
    }
}

namespace {

// What a scroll area scrolls, which may be taller than its view.
bool scrolls(const QWidget& w) {
    const QWidget* view = w.parentWidget();
    const auto* scroll = view ? qobject_cast<const QScrollArea*>(view->parentWidget()) : nullptr;
    return scroll && scroll->widget() == &w;
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
        // Within a scroll area, a widget stays within what scrolls, not within the view.
        QWidget* within = &area;
        for (QWidget* p = w->parentWidget(); p != &area && within == &area; p = p->parentWidget()) {
            within = scrolls(*p) ? p : within;
        }
        const auto* label = qobject_cast<QLabel*>(w);
        const QRect inArea(w->mapTo(within, QPoint(0, 0)), w->size());
        QRect bounds = within->rect();
        bounds.setBottom(scrolls(*w) ? qMax(bounds.bottom(), inArea.bottom()) : bounds.bottom());
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
