// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "WindowPlacement.h"

#include <QLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
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

// Moved left or right into the screen, as far as its width allows.
QRect withinWidth(QRect rect, const QRect& available) {
    if (rect.right() > available.right()) {
        rect.moveRight(available.right());
    }
    if (rect.left() < available.left()) {
        rect.moveLeft(available.left());
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

QRect placeBeside(const QRect& main, const QRect& room, const QRect& keepClear, QSize size,
                  const QRect& available, QSize minimum) {
    size = size.boundedTo(available.size());
    // Right, left, below, above, each of `sized` where the window is that large on that side.
    const auto besideAt = [&](std::size_t side, QSize sized) {
        const std::array<QRect, 4> rects{
            withinHeight(QRect(QPoint(main.right() + 1 + kGap, main.top()), sized), available),
            withinHeight(QRect(QPoint(main.left() - kGap - sized.width(), main.top()), sized),
                         available),
            withinWidth(QRect(QPoint(main.left(), main.bottom() + 1 + kGap), sized), available),
            withinWidth(QRect(QPoint(main.left(), main.top() - kGap - sized.height()), sized),
                        available)};
        return rects.at(side);
    };
    for (std::size_t side = 0; side < 4; ++side) {
        if (available.contains(besideAt(side, size))) {
            return besideAt(side, size);
        }
    }
    // Narrower or lower beside it, where the window still has its smallest size there.
    const std::array<QSize, 4> sideRoom{
        QSize(available.right() - main.right() - kGap, size.height()),
        QSize(main.left() - available.left() - kGap, size.height()),
        QSize(size.width(), available.bottom() - main.bottom() - kGap),
        QSize(size.width(), main.top() - available.top() - kGap)};
    for (std::size_t side = 0; side < 4 && minimum.isValid(); ++side) {
        const QSize sized = size.boundedTo(sideRoom.at(side));
        if (sized.width() >= minimum.width() && sized.height() >= minimum.height() &&
            available.contains(besideAt(side, sized))) {
            return besideAt(side, sized);
        }
    }
    // Over the room, and where what must stay clear is in it, in the largest piece beside that
    // which the window fits into at its smallest; in none, over the room's lower right.
    const QRect area = room & available;
    const QRect clear = keepClear & area;
    const std::array<QRect, 5> pieces{
        area, QRect(QPoint(clear.right() + 1 + kGap, area.top()), area.bottomRight()),
        QRect(area.topLeft(), QPoint(clear.left() - 1 - kGap, area.bottom())),
        QRect(QPoint(area.left(), clear.bottom() + 1 + kGap), area.bottomRight()),
        QRect(area.topLeft(), QPoint(area.right(), clear.top() - 1 - kGap))};
    const auto at = [&](const QRect& piece) {
        QRect rect(QPoint(), size.boundedTo(piece.size()).expandedTo(minimum));
        rect.moveBottomRight(piece.bottomRight());
        return rect;
    };
    const auto surface = [](const QRect& r) { return r.width() * r.height(); };
    QRect best;
    for (const QRect& piece : pieces) {
        if (piece.isEmpty() || (piece != area && clear.isEmpty()) ||
            piece.width() < minimum.width() || piece.height() < minimum.height()) {
            continue;
        }
        const QRect rect = at(piece);
        if (!rect.intersects(clear) && surface(rect) > surface(best)) {
            best = rect;
        }
    }
    return best.isEmpty() && !area.isEmpty() ? at(area) : best;
}

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    return window.isVisible() && !margins.isNull() ? margins : kFrameAllowance;
}

QRect coverableArea(const QWidget& window, const QWidget& pages) {
    const QRect shown = pages.visibleRegion().boundingRect();
    const QRect area(pages.mapToGlobal(shown.topLeft()), shown.size());
    return area & QRect(window.mapToGlobal(QPoint()), window.size());
}

void placeCompanion(QWidget& companion, const QWidget& owner, const QRect& room,
                    const QRect& keepClear) {
    const QScreen* screen = owner.screen();
    if (!screen) {
        return;
    }
    const QMargins margins = frameMargins(owner);
    const QRect place = placeBeside(
        owner.frameGeometry(), room, keepClear, companion.size().grownBy(margins),
        screen->availableGeometry(),
        companion.minimumSizeHint().expandedTo(companion.minimumSize()).grownBy(margins));
    if (place.isEmpty()) {
        return;
    }
    companion.resize(place.size().shrunkBy(margins));
    companion.move(place.topLeft());
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
