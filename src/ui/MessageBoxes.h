// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>

#include <exception>

namespace morvent {

// The three kinds of message the tool shows. The application shows real modal boxes; tests
// record the texts instead, so no test ever waits on a box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Titled "prompt message", information icon: range and checksum errors, successes.
    virtual void information(const QString& text) = 0;
    // The application's title, no icon: "Error sending!".
    virtual void plain(const QString& text) = 0;
    // The application's title, stop icon: an error no handler dealt with. Shows the text with
    // the full-stop rule applied.
    virtual void generalError(const QString& text) = 0;
    // The application's title, warning icon, a button named `proceed` and "Stay" (the default,
    // and what Esc answers): before something that would lose what the user typed. True when
    // the user goes ahead.
    virtual bool proceed(const QString& text, const QString& proceed) = 0;
};

// A full stop is appended unless the text is empty or already ends in a full stop or in a
// character that sorts before it (a blank, "!", ",", "-" ...).
QString withFullStop(const QString& text);

// Shows an error that reached the top of a handler in the general error display.
void showGeneralError(MessageBoxes& boxes, const std::exception& error);

// Real message boxes, modal over the application.
class QtMessageBoxes final : public MessageBoxes {
public:
    void information(const QString& text) override;
    void plain(const QString& text) override;
    void generalError(const QString& text) override;
    bool proceed(const QString& text, const QString& proceed) override;
};

} // namespace morvent
