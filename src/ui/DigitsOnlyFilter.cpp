// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "DigitsOnlyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace morvent {

DigitsOnlyFilter::DigitsOnlyFilter(QObject* parent) : QObject(parent) {}

void DigitsOnlyFilter::attach(QLineEdit* edit) {
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setInputMethodHints(Qt::ImhDigitsOnly);
    edit->installEventFilter(this);
}

bool DigitsOnlyFilter::passes(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) {
        return true;
    }
    switch (event.key()) {
    case Qt::Key_Backspace:
    // These carry a control character as their text on some platforms but type nothing.
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        break;
    }
    // A Ctrl or Meta chord is a shortcut and types nothing. Ctrl+Alt is how some keyboards reach
    // their third-level characters, so that chord still counts as typing.
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier)) {
        return true;
    }
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !passes(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace morvent
