// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Fields.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <string>

class QComboBox;

namespace morvent {

// Fields over a window's widgets, found by objectName among the root's descendants: a QLineEdit
// or QLabel by its text, a QComboBox by its text, selected index and items. Each name is looked
// up once and remembered. A name that no widget carries, or that two carry, or a question a
// widget cannot answer (the selected index of an edit) is a programming error: std::logic_error.
//
// Combo boxes behave as the protocol expects of them:
// - setItems replaces the list and selects nothing, which also empties an editable combo's text;
// - setSelectedIndex outside the list selects nothing;
// - setText on an editable combo shows exactly that text, with the matching item selected if the
//   list has one and none selected otherwise; on a pure drop-down list it selects the matching
//   item, or none.
class WidgetFields final : public Fields {
public:
    explicit WidgetFields(QWidget& root);

    std::string text(std::string_view name) const override;
    // What a combo box shows, as the protocol's English where it shows one of its items.
    static std::string comboText(const QComboBox& box);
    void setText(std::string_view name, std::string_view text) override;
    void setWording(std::string_view name, const WordedText& text) override;

    int selectedIndex(std::string_view name) const override;
    void setSelectedIndex(std::string_view name, int index) override;

    int itemCount(std::string_view name) const override;
    void setItems(std::string_view name, const std::vector<std::string>& items) override;

private:
    QWidget& widget(std::string_view name) const;
    QComboBox& combo(std::string_view name) const;

    QPointer<QWidget> m_root;
    mutable std::map<std::string, QPointer<QWidget>, std::less<>> m_found;
};

} // namespace morvent
