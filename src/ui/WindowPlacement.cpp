// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "WindowPlacement.h"

#include <QLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <array>

namespace morvent {

namespace {

constexpr int kGap = 8;

// Moved up or down into the screen, as far as its height allows.
QRect withinHeight(QRect rect, const QRect& available) {
    if (rect.bottom() > available.bottom()) {
        rect.moveBottom(available.bottom());
    }
    if (rect.top() < available.top()) {
        rect.moveTop(available.top());
    }
    return rect;
}

} // namespace

QSize fittedSize(QSize designed, const QRect& available, const QMargins& frame) {
    const QSize room = available.marginsRemoved(frame).size();
    return designed.boundedTo(room);
}

void fitWindow(QWidget& window, QSize wanted, const QRect& available) {
    const QSize size = fittedSize(wanted, available);
    const bool small = size != wanted;
    if (window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint) != small) {
        const bool shown = window.isVisible();
        window.setWindowFlag(Qt::WindowMaximizeButtonHint, small);
        if (shown) {
            window.show();
        }
    }
    if (small) {
        window.setMinimumSize(window.layout() ? window.layout()->totalMinimumSize() : QSize());
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window.resize(size);
    } else {
        window.setFixedSize(size);
    }
}

QRect frameWithin(const QRect& frame, const QRect& available) {
    QRect rect(frame.topLeft(), frame.size().boundedTo(available.size()));
    rect.moveLeft(std::clamp(rect.left(), available.left(), available.right() + 1 - rect.width()));
    rect.moveTop(std::clamp(rect.top(), available.top(), available.bottom() + 1 - rect.height()));
    return rect;
}

QRect placeBeside(const QRect& main, const QRect& keepClear, QSize size, const QRect& available) {
    size = size.boundedTo(available.size());
    const std::array<int, 4> lefts{main.right() + 1 + kGap, main.left() - kGap - size.width(),
                                   available.right() + 1 - size.width(), available.left()};
    for (const int left : lefts) {
        const QRect rect = withinHeight(QRect(QPoint(left, main.top()), size), available);
        if (available.contains(rect) && !rect.intersects(keepClear)) {
            return rect;
        }
    }
    // No room for the whole width anywhere: the wider side of what must stay clear.
    const int rightRoom = available.right() - keepClear.right() - kGap;
    const int leftRoom = keepClear.left() - available.left() - kGap;
    QRect rect = withinHeight(QRect(QPoint(0, main.top()), size), available);
    if (rightRoom >= leftRoom) {
        rect.setLeft(keepClear.right() + 1 + kGap);
        rect.setRight(available.right());
    } else {
        rect.setLeft(available.left());
        rect.setRight(keepClear.left() - 1 - kGap);
    }
    return rect;
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(side / 64.0, side / 64.0);
        const QColor light(0xe8, 0xee, 0xf5);
        const QColor amber(0xf2, 0xa9, 0x00);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1f, 0x3a, 0x5f));
        painter.drawRoundedRect(QRectF(0, 0, 64, 64), 12, 12);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(light, 4));
        painter.drawEllipse(QPointF(28, 34), 18, 18);
        painter.setPen(QPen(light, 2));
        painter.drawLine(QLineF(28, 16, 28, 27));
        painter.drawLine(QLineF(28, 41, 28, 52));
        painter.drawLine(QLineF(10, 34, 21, 34));
        painter.drawLine(QLineF(35, 34, 46, 34));
        painter.setPen(Qt::NoPen);
        painter.setBrush(amber);
        painter.drawEllipse(QPointF(28, 34), 7, 7);
        painter.drawRoundedRect(QRectF(44, 8, 14, 10), 2, 2);
        QPainterPath cable(QPointF(51, 18));
        cable.lineTo(51, 24);
        cable.quadTo(51, 28, 47, 30);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(amber, 2.5));
        painter.drawPath(cable);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QRect placeOver(const QRect& owner, QSize size, const QRect& available) {
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(owner.center());
    return frameWithin(placed, available);
}

} // namespace morvent
