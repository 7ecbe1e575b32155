// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "KeyboardNavigation.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

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

void giveAccessKeys(const QList<QWidget*>& controls, QSet<QChar>& taken) {
    for (QWidget* control : controls) {
        const QString caption = captionOf(control);
        if (const QChar own = accessKey(caption); !own.isNull()) {
            taken.insert(own);
            continue;
        }
        qsizetype at = -1;
        for (qsizetype i = 0; i < caption.size() && at < 0; ++i) {
            const QChar c = caption[i].toLower();
            if (c.isLetterOrNumber() && c.unicode() < 0x80 && !taken.contains(c)) {
                at = i;
            }
        }
        if (at >= 0) {
            taken.insert(caption[at].toLower());
            setCaption(control, caption.left(at) + QLatin1Char('&') + caption.mid(at));
            continue;
        }
        // No Latin letter free in the caption: a free one in brackets, before a final colon.
        for (char c = 'a'; c <= 'z'; ++c) {
            if (!taken.contains(QLatin1Char(c))) {
                taken.insert(QLatin1Char(c));
                const QString key = QStringLiteral("(&%1)").arg(QChar(QLatin1Char(c)).toUpper());
                const bool colon =
                    caption.endsWith(QLatin1Char(':')) || caption.endsWith(QChar(0xFF1A));
                setCaption(control,
                           colon ? caption.chopped(1) + key + caption.back() : caption + key);
                break;
            }
        }
    }
}

} // namespace morvent
