// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "WidgetFields.h"

#include "Translations.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <stdexcept>

namespace morvent {

namespace {

QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::logic_error misuse(std::string_view name, std::string_view problem) {
    return std::logic_error("control " + std::string(name) + ": " + std::string(problem));
}

// An editable combo shows the item's text when one is selected and an empty line when none is.
void select(QComboBox& box, int index) {
    box.setCurrentIndex(index >= 0 && index < box.count() ? index : -1);
}

} // namespace

WidgetFields::WidgetFields(QWidget& root) : m_root(&root) {}

std::string WidgetFields::comboText(const QComboBox& box) {
    // An item shown in the window's language stands for the protocol's English.
    const int shown = box.findText(box.currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QVariant english = shown < 0 ? QVariant() : box.itemData(shown);
    return (english.isValid() ? english.toString() : box.currentText()).toStdString();
}

QWidget& WidgetFields::widget(std::string_view name) const {
    if (const auto it = m_found.find(name); it != m_found.end() && it->second) {
        return *it->second;
    }
    if (!m_root) {
        throw misuse(name, "the window is gone");
    }
    const QList<QWidget*> matches = m_root->findChildren<QWidget*>(toQt(name));
    if (matches.isEmpty()) {
        throw misuse(name, "no such control in " + m_root->objectName().toStdString());
    }
    if (matches.size() > 1) {
        throw misuse(name, "more than one control carries this name");
    }
    m_found.insert_or_assign(std::string(name), QPointer<QWidget>(matches.front()));
    return *matches.front();
}

QComboBox& WidgetFields::combo(std::string_view name) const {
    auto* box = qobject_cast<QComboBox*>(&widget(name));
    if (!box) {
        throw misuse(name, "not a combo box");
    }
    return *box;
}

std::string WidgetFields::text(std::string_view name) const {
    QWidget& w = widget(name);
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) {
        return edit->text().toStdString();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(&w)) {
        return comboText(*box);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        return label->text().toStdString();
    }
    throw misuse(name, "has no text");
}

void WidgetFields::setText(std::string_view name, std::string_view text) {
    QWidget& w = widget(name);
    const QString value = toQt(text);
    if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
        edit->setText(value);
    } else if (auto* box = qobject_cast<QComboBox*>(&w)) {
        int item = box->findData(value, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item < 0) {
            item = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        }
        select(*box, item);
        // Selecting nothing empties the line, so the text goes in afterwards; a value the list
        // lacks (a voltage outside the reported class, a typed wheel size) is kept as it is.
        if (box->isEditable()) {
            box->setEditText(item < 0 ? value : box->itemText(item));
        }
    } else if (auto* label = qobject_cast<QLabel*>(&w)) {
        label->setText(shownText(text));
    } else {
        throw misuse(name, "has no text");
    }
}

void WidgetFields::setWording(std::string_view name, const WordedText& text) {
    if (auto* label = qobject_cast<QLabel*>(&widget(name))) {
        label->setText(shownText(text));
    } else {
        setText(name, text.english());
    }
}

int WidgetFields::selectedIndex(std::string_view name) const {
    return combo(name).currentIndex();
}

void WidgetFields::setSelectedIndex(std::string_view name, int index) {
    select(combo(name), index);
}

int WidgetFields::itemCount(std::string_view name) const {
    return combo(name).count();
}

void WidgetFields::setItems(std::string_view name, const std::vector<std::string>& items) {
    QComboBox& box = combo(name);
    box.clear();
    for (const std::string& item : items) {
        box.addItem(shownText(item), QString::fromStdString(item));
    }
    // Filling an empty combo selects its first item; the list is only offered, nothing chosen.
    box.setCurrentIndex(-1);
    if (box.isEditable()) {
        box.clearEditText();
    }
}

} // namespace morvent
