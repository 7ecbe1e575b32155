// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "FocusFrameStyle.h"

#include "Accessibility.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QStyleOption>

namespace morvent {

namespace {

constexpr int kRing = 2;

void drawRing(const QRect& rect, const QPalette& palette, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(FocusFrameStyle::ringColour(palette));
    const QRect outer = rect;
    const QRect inner = rect.adjusted(kRing, kRing, -kRing, -kRing);
    painter->drawRect(QRect(outer.topLeft(), QSize(outer.width(), kRing)));
    painter->drawRect(QRect(QPoint(outer.left(), inner.bottom() + 1), QSize(outer.width(), kRing)));
    painter->drawRect(QRect(QPoint(outer.left(), inner.top()), QSize(kRing, inner.height())));
    painter->drawRect(QRect(QPoint(inner.right() + 1, inner.top()), QSize(kRing, inner.height())));
    painter->restore();
}

bool focused(const QStyleOption* option) {
    return option->state.testFlag(QStyle::State_HasFocus);
}

} // namespace

void FocusFrameStyle::install() {
    if (!qobject_cast<FocusFrameStyle*>(QApplication::style())) {
        QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
    }
}

QColor FocusFrameStyle::ringColour(const QPalette& palette) {
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    return contrastRatio(highlight, window) >= 3.0
               ? highlight
               : palette.color(QPalette::Active, QPalette::WindowText);
}

void FocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // The line of an editable list is inside the list's own ring.
    const bool lineOfList = widget && qobject_cast<const QComboBox*>(widget->parentWidget());
    // A cell's ring is drawn with the cell (drawControl), where it knows the row's highlight.
    const bool cell = qobject_cast<const QAbstractItemView*>(widget);
    if (!cell &&
        (element == PE_FrameFocusRect || (element == PE_PanelLineEdit && focused(option))) &&
        !lineOfList) {
        drawRing(option->rect, option->palette, painter);
    }
}

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && focused(option)) {
        drawRing(option->rect, option->palette, painter);
    } else if (element == CE_TabBarTab && widget && widget->hasFocus() &&
               option->state.testFlag(State_Selected)) {
        drawRing(option->rect.adjusted(1, 1, -1, -1), option->palette, painter);
    } else if (element == CE_ItemViewItem && focused(option)) {
        // A whole selected row is in the selection colour: the focused cell's ring is then drawn
        // in the colour of selected text, so the cell the keys act on still stands out.
        QPalette palette = option->palette;
        if (option->state.testFlag(State_Selected)) {
            palette.setColor(QPalette::Active, QPalette::Highlight,
                             palette.color(QPalette::Active, QPalette::HighlightedText));
            palette.setColor(QPalette::Active, QPalette::Window,
                             option->palette.color(QPalette::Active, QPalette::Highlight));
        }
        drawRing(option->rect, palette, painter);
    }
}

void FocusFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && focused(option)) {
        drawRing(option->rect, option->palette, painter);
    }
}

} // namespace morvent
