// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QScrollArea>

namespace morvent {

// Scrolls what it holds up and down, never sideways: as wide as that needs, scroll bar included,
// and as tall as its window lets it be. Takes no keyboard stop of its own; the field that gets the
// keyboard is scrolled into view.
class PageScroll : public QScrollArea {
    Q_OBJECT
public:
    PageScroll(QWidget* content, QWidget* parent);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int widthFor(int contentWidth) const;
};

} // namespace morvent
