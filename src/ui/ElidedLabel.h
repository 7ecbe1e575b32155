// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QLabel>

namespace morvent {

// A one-line text that gives way: where its room is short it ends in "…" instead of widening its
// window, its text() staying whole. Who sets the text puts the whole of it in the tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    // The text as it is drawn now.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace morvent
