// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Fields.h"

#include <utility>

namespace morvent {

// Fields that hand everything on to others and note whether anything was put into them, so
// that whoever lent them out learns afterwards that values arrived.
class NoticingFields final : public Fields {
public:
    explicit NoticingFields(Fields& fields) : m_fields(fields) {}

    std::string text(std::string_view name) const override { return m_fields.text(name); }
    void setText(std::string_view name, std::string_view text) override {
        m_written = true;
        m_fields.setText(name, text);
    }
    void setWording(std::string_view name, const WordedText& text) override {
        m_written = true;
        m_fields.setWording(name, text);
    }
    int selectedIndex(std::string_view name) const override { return m_fields.selectedIndex(name); }
    void setSelectedIndex(std::string_view name, int index) override {
        m_written = true;
        m_fields.setSelectedIndex(name, index);
    }
    int itemCount(std::string_view name) const override { return m_fields.itemCount(name); }
    void setItems(std::string_view name, const std::vector<std::string>& items) override {
        m_written = true;
        m_fields.setItems(name, items);
    }

    // Whether anything was put since the last call.
    bool takeWritten() { return std::exchange(m_written, false); }

private:
    Fields& m_fields;
    bool m_written = false;
};

} // namespace morvent
