// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "KeyboardNavigation.h"

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

} // namespace morvent
