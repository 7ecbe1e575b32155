// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Wording.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <exception>
#include <string_view>

namespace morvent {

// A language the window can be shown in: the code its catalogue is named by ("de", "zh_CN"),
// and its name as its speakers write it, with its access key. The empty code follows the system.
struct LanguageOffer {
    QString code;
    QString name;
};

// "System" first, then every shipped language, and the pseudo-translation where the build
// offers it.
QList<LanguageOffer> languageOffers();

// The code that stands for the pseudo-translation: every text 40 % longer, for layout testing.
inline constexpr std::string_view kPseudoLanguage = "pseudo";

// Where the settings keep the language chosen in View > Language.
inline constexpr std::string_view kLanguageSetting = "language";

// Loads the catalogues of a language (empty: the first of the system's languages, from LANGUAGE,
// LC_ALL, LC_MESSAGES or LANG, that has one) and of Qt's own texts, and puts them in force,
// replacing what an earlier call put there. English needs no catalogue but its plural forms.
// Returns the code of the catalogue in force, empty for English.
QString useLanguage(const QString& code);

// Names joined as the window's language lists them ("Basic, Pedal Assist and Torque",
// "Basic, Pedal Assist und Torque"), whatever the system's region says.
QString shownList(const QStringList& names);

// A fixed text of the protocol layer (a caption, a list's item, a unit) as the window shows it:
// translated where the catalogue knows it as it stands, left as it is otherwise (numbers, the
// controller's own words). Lines are taken one by one.
QString shownText(std::string_view english);

// A text as it was made: its template translated, each part shown as what it is (a wording
// translated the same way, a path, key or number as it stands).
QString shownText(const WordedText& wording);

// An error's message as the window shows it: translated where it was made with its wording,
// as it stands otherwise (the system's and the libraries' own words).
QString shownError(const std::exception& error);

} // namespace morvent
