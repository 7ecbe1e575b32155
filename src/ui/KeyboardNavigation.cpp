// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "KeyboardNavigation.h"

#include <QAbstractButton>
#include <QHash>
#include <QLabel>
#include <QRegularExpression>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <functional>

namespace morvent {

QList<QKeySequence> nextPageKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
}

QList<QKeySequence> previousPageKeys() {
    // Shift+Tab reaches a window as Backtab, or as Tab with Shift, by the window system.
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
            QKeySequence(Qt::CTRL | Qt::Key_PageUp)};
}

void turnPagesByKeyboard(QTabWidget& notebook) {
    const auto turn = [&notebook](int step) {
        const int count = notebook.count();
        QWidget* left = notebook.currentWidget();
        notebook.setCurrentIndex((notebook.currentIndex() + step + count) % count);
        QWidget* focus = notebook.window()->focusWidget();
        if (left && focus && left->isAncestorOf(focus)) {
            notebook.tabBar()->setFocus(Qt::TabFocusReason);
        }
    };
    for (const auto& [keys, step] : {std::pair{nextPageKeys(), 1}, {previousPageKeys(), -1}}) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, notebook.window());
            QObject::connect(shortcut, &QShortcut::activated, &notebook,
                             [turn, step = step] { turn(step); });
        }
    }
}

void walkFirst(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    if (!order.isEmpty()) {
        order.front()->setFocus(Qt::OtherFocusReason);
    }
}

QChar accessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

QString withoutAccessKey(const QString& text) {
    static const QRegularExpression bracketed(QStringLiteral("\\(&[^&]\\)"));
    QString shown = text;
    shown.remove(bracketed);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == QLatin1Char('&')) {
            shown.remove(i, 1);
        }
    }
    return shown;
}

namespace {

QString captionOf(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    const auto* label = qobject_cast<const QLabel*>(control);
    return label ? label->text() : QString();
}

void setCaption(QWidget* control, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    }
}

} // namespace

namespace {

bool isLatin(const QString& caption) {
    return std::any_of(caption.begin(), caption.end(),
                       [](QChar c) { return c.isLetter() && c.unicode() < 0x250; });
}

void addKeysOf(const QString& text, QList<QChar>& keys) {
    for (const QChar c : text) {
        const QChar key = c.toLower();
        if (key.isLetterOrNumber() && key.unicode() < 0x80 && !keys.contains(key)) {
            keys.append(key);
        }
    }
}

// The keys a caption could have, in the order it would rather have them: its own letters and
// digits as typed on any keyboard (plain ASCII); for a caption in another script, its digits,
// then the letters of its English caption (the "accessKeyHint" property, as a technician who
// knows the English window would guess), then any letter.
QList<QChar> candidates(const QString& caption, const QString& hint) {
    QList<QChar> keys;
    addKeysOf(caption, keys);
    if (!isLatin(caption)) {
        addKeysOf(hint, keys);
        for (char c = 'a'; c <= 'z'; ++c) {
            addKeysOf(QString(QLatin1Char(c)), keys);
        }
    }
    return keys;
}

QString withKey(const QString& caption, QChar key) {
    if (isLatin(caption) || key.isDigit()) {
        const qsizetype at = caption.indexOf(key, 0, Qt::CaseInsensitive);
        return caption.left(at) + QLatin1Char('&') + caption.mid(at);
    }
    // Before a final colon, as Chinese programs show theirs.
    const QString bracketed = QStringLiteral("(&%1)").arg(key.toUpper());
    const bool colon = caption.endsWith(QLatin1Char(':')) || caption.endsWith(QChar(0xFF1A));
    return colon ? caption.chopped(1) + bracketed + caption.back() : caption + bracketed;
}

} // namespace

void giveAccessKeys(const QList<QWidget*>& controls, QSet<QChar>& taken) {
    // A matching of controls to free keys, each control in turn taking its first free letter or,
    // where an earlier one could as well use another of its own, the one that control had: so a
    // later control goes without only where no shuffle of the earlier ones frees a letter for it,
    // and no earlier one ever loses its key to it.
    QList<QList<QChar>> wanted;
    QHash<QChar, qsizetype> holder;
    QList<QChar> given(controls.size());
    for (QWidget* control : controls) {
        const QString caption = captionOf(control);
        const QChar own = accessKey(caption);
        if (!own.isNull()) {
            taken.insert(own);
        }
        wanted.append(own.isNull()
                          ? candidates(caption, control->property("accessKeyHint").toString())
                          : QList<QChar>{});
    }
    const std::function<bool(qsizetype, QSet<QChar>&)> take = [&](qsizetype i, QSet<QChar>& seen) {
        // A free key first; only then one an earlier control could give up.
        for (const QChar key : std::as_const(wanted[i])) {
            if (!taken.contains(key) && !seen.contains(key) && !holder.contains(key)) {
                holder[key] = i;
                given[i] = key;
                return true;
            }
        }
        for (const QChar key : std::as_const(wanted[i])) {
            if (taken.contains(key) || seen.contains(key)) {
                continue;
            }
            seen.insert(key);
            if (!holder.contains(key) || take(holder[key], seen)) {
                holder[key] = i;
                given[i] = key;
                return true;
            }
        }
        return false;
    };
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QSet<QChar> seen;
        take(i, seen);
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        if (!given[i].isNull()) {
            taken.insert(given[i]);
            setCaption(controls[i], withKey(captionOf(controls[i]), given[i]));
        }
    }
}

} // namespace morvent
