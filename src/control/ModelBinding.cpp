// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ModelBinding.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>

#include <utility>

namespace morvent {

namespace {

// The protocol's English of each item, as WidgetFields keeps it.
std::vector<std::string> itemsOf(const QComboBox& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.count(); ++i) {
        const QVariant english = box.itemData(i);
        items.push_back((english.isValid() ? english.toString() : box.itemText(i)).toStdString());
    }
    return items;
}

} // namespace

ModelBinding::ModelBinding(QWidget& window, ParameterModel& model)
    : m_model(model), m_widgets(window) {
    const bool wasBusy = std::exchange(m_busy, true);
    for (const Parameter& p : parameterTable()) {
        QWidget* widget = window.findChild<QWidget*>(QString::fromStdString(p.control));
        const auto taken = [this, &p] {
            if (!m_busy) {
                m_busy = true;
                take(p);
                m_busy = false;
            }
        };
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textChanged, this, taken);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            connect(list, &QComboBox::currentIndexChanged, this, taken);
            connect(list, &QComboBox::editTextChanged, this, taken);
            // A list filled or refilled by the window itself (as it is shown) is the page's list.
            QAbstractItemModel* items = list->model();
            connect(items, &QAbstractItemModel::rowsInserted, this, taken);
            connect(items, &QAbstractItemModel::rowsRemoved, this, taken);
            connect(items, &QAbstractItemModel::modelReset, this, taken);
            connect(items, &QAbstractItemModel::dataChanged, this, taken);
        } else {
            continue;
        }
        m_controls.emplace(&p, widget);
        take(p);
    }
    m_busy = wasBusy;
    m_listening = m_model.listen([this](const Parameter* p) {
        if (p && !m_busy) {
            m_busy = true;
            show(*p);
            take(*p);
            m_busy = false;
        }
    });
}

ModelBinding::~ModelBinding() {
    m_model.stopListening(m_listening);
}

void ModelBinding::take(const Parameter& p) {
    const auto it = m_controls.find(&p);
    QWidget* widget = it == m_controls.end() ? nullptr : it->second.data();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        m_model.show(p.control, edit->text().toStdString(), -1);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        if (auto items = itemsOf(*list); items != m_model.items(p.control)) {
            m_model.setItems(p.control, items);
        }
        m_model.show(p.control, WidgetFields::comboText(*list), list->currentIndex());
    }
}

void ModelBinding::show(const Parameter& p) {
    const auto it = m_controls.find(&p);
    QWidget* widget = it == m_controls.end() ? nullptr : it->second.data();
    const ShownValue value = m_model.shown(p);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text().toStdString() != value.text) {
            edit->setText(QString::fromStdString(value.text));
        }
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        if (const auto& items = m_model.items(p.control); items != itemsOf(*list)) {
            m_widgets.setItems(p.control, items);
        }
        // Selecting again puts the item's text back over one typed over it.
        m_widgets.setSelectedIndex(p.control, value.index);
        if (list->isEditable() && WidgetFields::comboText(*list) != value.text) {
            list->setEditText(QString::fromStdString(value.text));
        }
    }
}

} // namespace morvent
