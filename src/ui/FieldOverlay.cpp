// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "FieldOverlay.h"

#include <QEvent>
#include <QStackedWidget>

namespace morvent {

namespace {

// The page a control is on (the notebook's page holding it), or its parent outside a notebook.
QWidget& pageHolding(QWidget& control) {
    for (QWidget* w = control.parentWidget(); w && w->parentWidget(); w = w->parentWidget()) {
        if (qobject_cast<QStackedWidget*>(w->parentWidget())) {
            return *w;
        }
    }
    return *control.parentWidget();
}

} // namespace

FieldOverlay::FieldOverlay(QWidget& target, const QString& suffix)
    : QWidget(&pageHolding(target)), m_target(&target) {
    setObjectName(target.objectName() + suffix);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The control moves when it or any container between it and the page does.
    for (QWidget* w = &target; w && w != parentWidget(); w = w->parentWidget()) {
        w->installEventFilter(this);
    }
    setVisible(!target.isHidden());
    raise();
}

bool FieldOverlay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        follow();
        break;
    case QEvent::Show:
        if (watched == m_target) {
            show();
            raise();
        }
        break;
    case QEvent::Hide:
        if (watched == m_target) {
            hide();
        }
        break;
    default:
        break;
    }
    return false;
}

void FieldOverlay::follow() {
    if (m_target) {
        setGeometry(placed(QRect(m_target->mapTo(parentWidget(), QPoint(0, 0)), m_target->size())));
    }
}

} // namespace morvent
