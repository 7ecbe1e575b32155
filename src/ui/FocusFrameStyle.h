// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QProxyStyle>

namespace morvent {

// Where the keyboard is, drawn plainly on every control, the current tab of a focused tab bar
// included: a ring two pixels wide just inside the control's edge, in a colour that stands out
// from the window, over whatever the style itself draws for the focus.
class FocusFrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    // Puts the ring into every window of the program, over the style in use; once is enough.
    static void install();
    // The selection colour where it stands out from the window at 3:1 or more, else the text's.
    static QColor ringColour(const QPalette& palette);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

} // namespace morvent
