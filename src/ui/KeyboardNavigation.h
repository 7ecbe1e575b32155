// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QKeySequence>
#include <QList>
#include <QSet>
#include <QString>

class QTabWidget;
class QWidget;

namespace morvent {

// The keys that turn the pages of `notebook` from anywhere in its window: Ctrl+Tab and
// Ctrl+PgDown to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the one before, round from the
// last to the first. A page turned away from while it held the keyboard leaves it on the tabs,
// so Tab goes on into the fields of the page now shown.
void turnPagesByKeyboard(QTabWidget& notebook);

// The keys of turnPagesByKeyboard: the first to the next page, the second to the one before.
QList<QKeySequence> nextPageKeys();
QList<QKeySequence> previousPageKeys();

// Tab walks `order` in the order given, each one's inner stops (a notebook's tabs and pages)
// following it, and the keyboard starts at the first.
void walkFirst(const QList<QWidget*>& order);

// The letter (or digit) Alt presses to reach a caption: the one after its lone "&", lower case;
// none where it has no access key.
QChar accessKey(const QString& text);
// The caption as shown and spoken, without its access key: "&Connect" is "Connect", the
// "(&C)" that follows a Chinese caption goes whole, and "&&" stays one "&".
QString withoutAccessKey(const QString& text);

// Gives each of `controls` (buttons, and captions whose buddy takes the keyboard) an access key
// not yet in `taken`, which then holds it too: the first free letter of its caption, in the
// caption's own language; a caption in another script (Chinese) gets a free one in brackets
// after it, as Chinese programs show theirs. A caption that comes with its key keeps it. Captions
// run out of letters before a page runs out of fields, so the controls come in the order of how
// often a technician reaches for them, and the last may go without.
void giveAccessKeys(const QList<QWidget*>& controls, QSet<QChar>& taken);

} // namespace morvent
