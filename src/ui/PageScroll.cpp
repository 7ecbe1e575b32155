// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PageScroll.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>

namespace morvent {

PageScroll::PageScroll(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    setWidget(content);
    // The page's own background shows through, as it did before the page could scroll.
    content->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && widget() && widget()->isAncestorOf(now)) {
            ensureWidgetVisible(now, 8, 8);
        }
    });
}

bool PageScroll::eventFilter(QObject* watched, QEvent* event) {
    // The width asked for is the fields' own: when theirs changes (a caption or a combo box grown
    // for a language's words), the page around must hear of it, which it would not from a widget
    // inside a scroll area.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        updateGeometry();
    }
    return QScrollArea::eventFilter(watched, event);
}

int PageScroll::widthFor(int contentWidth) const {
    return contentWidth + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

QSize PageScroll::minimumSizeHint() const {
    const QSize least = QScrollArea::minimumSizeHint();
    return widget() ? QSize(widthFor(widget()->minimumSizeHint().width()), least.height()) : least;
}

QSize PageScroll::sizeHint() const {
    if (!widget()) {
        return QScrollArea::sizeHint();
    }
    // No height of its own to ask for: asked for, the whole height of the fields would make the
    // window scroll them rather than let this scroll them.
    return {widthFor(widget()->sizeHint().width()), QScrollArea::minimumSizeHint().height()};
}

} // namespace morvent
