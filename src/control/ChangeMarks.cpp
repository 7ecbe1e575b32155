// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ChangeMarks.h"

#include "Translations.h"

#include "BlockLayout.h"
#include "ComparisonMarks.h"
#include "ElidedLabel.h"
#include "FieldOverlay.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStatusBar>

#include <algorithm>

namespace morvent {

namespace {

// A folded corner at the field's top right: a shape, so it reads without colour.
class ChangedSign final : public FieldOverlay {
public:
    static constexpr int kSize = 9;

    explicit ChangedSign(QWidget& target) : FieldOverlay(target, QStringLiteral("Changed")) {
        follow();
    }

protected:
    QRect placed(const QRect& target) const override {
        return {target.right() - kSize + 1, target.top(), kSize, kSize};
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Base), 1));
        painter.setBrush(palette().color(QPalette::WindowText));
        painter.drawPolygon(QPolygonF(
            {QPointF(0.5, 0.5), QPointF(kSize - 0.5, 0.5), QPointF(kSize - 0.5, kSize - 0.5)}));
    }
};

} // namespace

ChangeMarks::ChangeMarks(QWidget& window, QStatusBar& bar, ParameterModel& model,
                         ComparisonMarks& comparison)
    : QObject(&window), m_window(window), m_model(model), m_comparison(comparison) {
    m_note = new ElidedLabel(&bar);
    m_note->setObjectName(QStringLiteral("ChangesNote"));
    bar.addPermanentWidget(m_note);
    m_note->hide();
    // When a comparison's mark goes, the field's tooltip is this help again.
    connect(&m_comparison, &ComparisonMarks::markGone, this, [this](const QString& control) {
        const Parameter* p = parameter(control.toStdString());
        QWidget* widget = m_window.findChild<QWidget*>(control);
        if (p && widget) {
            widget->setToolTip(toolTip(*p));
        }
    });
    m_model.listen([this](const Parameter* p) {
        if (p) {
            refresh(*p);
            report();
        } else {
            refreshAll();
        }
    });
}

int ChangeMarks::countOnPage(int page) const {
    return static_cast<int>(std::count_if(m_changed.begin(), m_changed.end(), [page](auto* p) {
        return layout(p->block).page == page;
    }));
}

QString ChangeMarks::countText(int changes) {
    return ComparisonMarks::changesText(changes);
}

QString ChangeMarks::toolTip(const Parameter& p) const {
    const QString help = shownText(parameterHelpWording(p.control));
    if (!m_changed.contains(&p)) {
        return help;
    }
    if (!m_model.isHeld(p)) {
        return tr("Changed before the page was read: what the controller holds is not known "
                  "yet.\n") +
               help;
    }
    return tr("Changed: the controller holds %1.\n").arg(shownText(m_model.heldText(p))) + help;
}

void ChangeMarks::refresh(const Parameter& p) {
    const bool changed = m_model.isChanged(p);
    if (changed == m_changed.contains(&p) && !changed) {
        return;
    }
    QWidget* widget = m_window.findChild<QWidget*>(QString::fromStdString(p.control));
    if (!widget) {
        return;
    }
    QPointer<QWidget>& sign = m_signs[&p];
    if (changed) {
        m_changed.insert(&p);
        if (!sign) {
            sign = new ChangedSign(*widget);
        }
    } else {
        m_changed.erase(&p);
        delete sign.data();
    }
    // Heard with the field's name, not only in the help a screen reader reads on request.
    const QString mark = tr(" (changed)");
    auto* list = qobject_cast<QComboBox*>(widget);
    for (QWidget* named : {widget, list ? static_cast<QWidget*>(list->lineEdit()) : nullptr}) {
        if (named) {
            QString name = named->accessibleName();
            if (name.endsWith(mark)) {
                name.chop(mark.size());
            }
            named->setAccessibleName(changed ? name + mark : name);
        }
    }
    // While a comparison marks the field, its tooltip is the comparison's.
    if (!m_comparison.isMarked(p.control)) {
        widget->setToolTip(toolTip(p));
    }
}

void ChangeMarks::refreshAll() {
    for (const Parameter& p : parameterTable()) {
        refresh(p);
    }
    // The count may stay while the pages holding the changes do not.
    m_comparison.report();
    report();
}

void ChangeMarks::report() {
    const QString text = countText(count());
    if (text != m_note->text()) {
        m_note->setText(text);
        m_note->setToolTip(text);
        m_note->setVisible(!text.isEmpty());
        m_comparison.report();
    }
    emit changesUpdated();
}

} // namespace morvent
