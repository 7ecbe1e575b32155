// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Accessibility.h"

#include "KeyboardNavigation.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <cmath>

namespace morvent {

namespace {

double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())),
                            static_cast<float>(mix(from.greenF(), to.greenF())),
                            static_cast<float>(mix(from.blueF(), to.blueF())));
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableGrey(const QColor& text, const QColor& background, double ratio) {
    if (contrastRatio(text, background) <= ratio) {
        return text;
    }
    // The contrast falls steadily as the text fades: halve the interval to the last share that
    // keeps enough.
    double keeps = 0.0;
    double fails = 1.0;
    for (int step = 0; step < 20; ++step) {
        const double share = (keeps + fails) / 2;
        (contrastRatio(blend(text, background, share), background) >= ratio ? keeps : fails) =
            share;
    }
    return blend(text, background, keeps);
}

AssistiveText::AssistiveText(QWidget& window, QHash<QWidget*, QList<QLabel*>> captions,
                             QList<QWidget*> described, QList<QAbstractButton*> blinking)
    : QObject(&window), m_window(window), m_captions(std::move(captions)),
      m_blinking(std::move(blinking)) {
    for (QWidget* control : described) {
        control->setAccessibleDescription(control->toolTip());
        control->installEventFilter(this);
    }
    m_window.installEventFilter(this);
    nameAll();
}

QString AssistiveText::nameFrom(const QList<QLabel*>& captions) {
    QStringList parts;
    for (const QLabel* caption : captions) {
        parts << withoutAccessKey(caption->text()).simplified();
    }
    QString name = parts.join(QLatin1Char(' '));
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name;
}

void AssistiveText::nameAll() {
    for (auto it = m_captions.cbegin(); it != m_captions.cend(); ++it) {
        it.key()->setAccessibleName(nameFrom(it.value()));
        // A list that takes typing (Port, Bandrate) has the keyboard in its line, which a screen
        // reader announces on its own: it goes by the list's name.
        if (auto* list = qobject_cast<QComboBox*>(it.key()); list && list->lineEdit()) {
            list->lineEdit()->setAccessibleName(list->accessibleName());
        }
    }
    for (QAbstractButton* button : std::as_const(m_blinking)) {
        if (!button->text().isEmpty()) {
            button->setAccessibleName(withoutAccessKey(button->text()));
        }
    }
}

bool AssistiveText::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTipChange && watched != &m_window) {
        auto* control = static_cast<QWidget*>(watched);
        control->setAccessibleDescription(control->toolTip());
    } else if (event->type() == QEvent::LanguageChange && watched == &m_window) {
        // After the window has put its captions into the new language.
        QMetaObject::invokeMethod(this, &AssistiveText::nameAll, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace morvent
