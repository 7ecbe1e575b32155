// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "FieldStore.h"
#include "ParameterTable.h"

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace morvent {

// A parameter control's value as a page shows it: a combo box has both.
struct ShownValue {
    std::string text;
    int index = -1;
    bool operator==(const ShownValue&) const = default;
};

// The parameter set: every value the pages show, and per block what the controller is known to
// hold in this connection (the values last read from it, accepted by it, or read aside to
// compare). A value shown that differs from the one held is a change not yet written. On a block
// the controller has not told about, a value typed since it answered is a change too (from what
// the page showed then), so that nothing typed before the first read is lost without a word.
//
// As Fields it is the pages without widgets, with the window's behaviour of combo boxes (see
// FieldStore), every list filled from the parameter table. A window's widgets are views of it
// (ModelBinding), which tell it through show() what they show.
class ParameterModel final : public Fields {
public:
    using Values = std::vector<ShownValue>; // a block's controls in table order

    ParameterModel();

    std::string text(std::string_view name) const override { return m_shown.text(name); }
    void setText(std::string_view name, std::string_view text) override;
    void setWording(std::string_view name, const WordedText& text) override;
    int selectedIndex(std::string_view name) const override { return m_shown.selectedIndex(name); }
    void setSelectedIndex(std::string_view name, int index) override;
    int itemCount(std::string_view name) const override { return m_shown.itemCount(name); }
    void setItems(std::string_view name, const std::vector<std::string>& items) override;

    // What a page's control shows now, as its widget has it.
    void show(std::string_view control, std::string text, int index);

    ShownValue shown(const Parameter& p) const;
    // A combo box's list as the page offers it.
    const std::vector<std::string>& items(std::string_view control) const {
        return m_shown.items(control);
    }
    Values values(Block block) const;
    // Puts values taken from a block's page back into fields, lists by their selection.
    static void put(Block block, const Values& values, Fields& into);

    // The controller holds what the page shows now (a read put it there), the values given (an
    // accepted write sent them), or what a read aside put into `held`.
    void learn(Block block);
    void learn(Block block, const Values& values);
    void learnFrom(Block block, const Fields& held);
    // Another controller, or none: nothing is known any more.
    void forget();
    bool isKnown(Block block) const { return m_held[slot(block)].has_value(); }

    // A controller answered: until a page is read, loaded or written, it shows what an earlier
    // controller or file left there, not this controller's values; what is typed there from now
    // on is a change.
    void connected();
    // A file's values are on every page.
    void loaded();
    bool isUnread(Block block) const { return m_unread[slot(block)]; }
    // Whether the value shown is the one the last load put there, not read or written since.
    bool isAsLoaded(const Parameter& p) const;

    // Known, and shown otherwise: by the number a text stands for (an empty text or one with
    // letters always differs), a list by the item it would send.
    bool isChanged(const Parameter& p) const;
    std::vector<const Parameter*> changes() const;
    // The controller's value as the page would show it.
    std::string heldText(const Parameter& p) const;
    // Whether the controller's value is known: not for a change typed before the page was read.
    bool isHeld(const Parameter& p) const { return held(p).has_value(); }
    // Puts the controller's value into the control.
    void putBack(const Parameter& p, Fields& into) const;

    // When the controller was last heard of about the block (a read, an accepted write); nothing
    // when it has not been in this connection.
    std::optional<std::chrono::system_clock::time_point> learnedAt(Block block) const {
        return m_learnedAt[slot(block)];
    }
    // The parameters whose value the controller holds now is not the one it held when first
    // heard of in this connection (the visit's changes), and that first value as a page shows it.
    std::vector<const Parameter*> visitChanges() const;
    std::string firstHeldText(const Parameter& p) const;

    // "Undo Changes": the values a page held after its last read or load.
    void keepForUndo(Block block) { m_undo[slot(block)] = values(block); }
    const std::optional<Values>& keptForUndo(Block block) const { return m_undo[slot(block)]; }

    // Told after a control's shown value or list changes (with its row) or after what is known
    // changes (with nullptr: any row may have changed), in the order they started listening.
    using Listener = std::function<void(const Parameter*)>;
    using Listening = int;
    Listening listen(Listener listener);
    void stopListening(Listening listening);

private:
    static std::size_t slot(Block block) { return static_cast<std::size_t>(block); }
    void touched(std::string_view control, const ShownValue& before);
    void tell(const Parameter* p);
    std::optional<ShownValue> held(const Parameter& p) const;

    FieldStore m_shown;
    std::array<std::optional<Values>, 4> m_held;
    std::array<std::optional<Values>, 4> m_undo;
    // What each block not yet told about showed when the controller answered, or was loaded.
    std::array<std::optional<Values>, 4> m_answeredWith;
    std::array<bool, 4> m_unread{};
    // What the last load put on each block's page, until the page is read or written.
    std::array<std::optional<Values>, 4> m_loadedWith;
    std::array<std::optional<Values>, 4> m_first;
    std::array<std::optional<std::chrono::system_clock::time_point>, 4> m_learnedAt;
    std::vector<std::pair<Listening, Listener>> m_listeners;
    Listening m_lastListening = 0;
};

} // namespace morvent
