// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>

class QAbstractButton;
class QLabel;
class QWidget;

namespace morvent {

// How far apart two colours are to the eye, as the web's accessibility guidelines measure it:
// 1 for two equal colours up to 21 for black on white. Text needs 4.5, a focus ring 3.
double contrastRatio(const QColor& a, const QColor& b);

// Greyed text that can still be read: `text` faded towards `background` as far as a contrast of
// `ratio` allows, and no further.
QColor readableGrey(const QColor& text, const QColor& background, double ratio = 5.0);

// What assistive tools (screen readers, magnifiers) are told of the window's controls. Each
// captioned control is named by its captions as shown, in reading order (a grid's row, then its
// column); each control's description is its tooltip, kept in step as the tooltip changes (a
// change not written, a comparison's mark); both follow a change of language. A button whose
// caption blinks (Continuous Get) keeps its name while the caption is blank.
class AssistiveText : public QObject {
    Q_OBJECT
public:
    AssistiveText(QWidget& window, QHash<QWidget*, QList<QLabel*>> captions,
                  QList<QWidget*> described, QList<QAbstractButton*> blinking);

    // "Start(Kg): Spd20" from the captions "Start(Kg):" and "Spd20"; the final colon dropped.
    static QString nameFrom(const QList<QLabel*>& captions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameAll();

    QWidget& m_window;
    QHash<QWidget*, QList<QLabel*>> m_captions;
    QList<QAbstractButton*> m_blinking;
};

} // namespace morvent
