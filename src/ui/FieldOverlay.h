// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QPointer>
#include <QWidget>

namespace morvent {

// A sign drawn over or around a control rather than a style put on it: the control keeps its
// size and its look (a list its arrow), and the page does not shift when signs come and go. It
// belongs to the page holding the control, so a container drawn tight around its controls does
// not cut it, and it follows the control as it moves, shows and hides.
class FieldOverlay : public QWidget {
public:
    FieldOverlay(QWidget& target, const QString& suffix);

protected:
    // Where the sign goes, given the control's rectangle in the page.
    virtual QRect placed(const QRect& target) const = 0;
    // To be called by the subclass's constructor, once placed() can be called.
    void follow();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_target;
};

} // namespace morvent
