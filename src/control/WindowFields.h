// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ParameterModel.h"
#include "WidgetFields.h"

namespace morvent {

// The window's values as codecs, checks and files reach them: a parameter control's are the
// parameter model's (its widget shows them through ModelBinding); every other control's (the
// identity, the firmware text, the live readings) are their widgets' own.
class WindowFields final : public Fields {
public:
    WindowFields(ParameterModel& model, QWidget& window) : m_model(model), m_widgets(window) {}

    std::string text(std::string_view name) const override { return of(name).text(name); }
    void setText(std::string_view name, std::string_view text) override {
        of(name).setText(name, text);
    }
    void setWording(std::string_view name, const WordedText& text) override {
        of(name).setWording(name, text);
    }
    int selectedIndex(std::string_view name) const override { return of(name).selectedIndex(name); }
    void setSelectedIndex(std::string_view name, int index) override {
        of(name).setSelectedIndex(name, index);
    }
    int itemCount(std::string_view name) const override { return of(name).itemCount(name); }
    void setItems(std::string_view name, const std::vector<std::string>& items) override {
        of(name).setItems(name, items);
    }

private:
    Fields& of(std::string_view name) const {
        return parameter(name) ? static_cast<Fields&>(m_model) : m_widgets;
    }

    ParameterModel& m_model;
    mutable WidgetFields m_widgets;
};

} // namespace morvent
