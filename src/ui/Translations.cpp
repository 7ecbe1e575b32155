// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Translations.h"

#include "Wording.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>
#include <vector>

namespace morvent {

namespace {

// Every text 40 % longer, with no catalogue: the extra letters are taken from the text itself so
// the line keeps its look, and never an access key's "&" or a "%" of a placeholder. They go in
// front, so a caption still ends with the value put into it.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        QStringList lines = QString::fromUtf8(source).split(QLatin1Char('\n'));
        for (QString& line : lines) {
            QString letters = line;
            letters.remove(QRegularExpression(QStringLiteral("[^\\p{L}]")));
            if (letters.isEmpty()) {
                letters = QStringLiteral("x");
            }
            const qsizetype extra = (line.size() * 4 + 9) / 10;
            QString padding;
            for (qsizetype i = 0; i < extra; ++i) {
                padding += letters.at(i % letters.size());
            }
            line.prepend(padding);
        }
        return lines.join(QLatin1Char('\n'));
    }
};

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

// Where an installation puts them: in a folder beside the program on Windows, in the data folder
// beside the program's own on Linux; else in the build tree the program comes from.
QString catalogueFolder() {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& installed : {folder + QStringLiteral("/translations"),
                                     folder + QStringLiteral("/../share/morvent/translations")}) {
        if (QDir(installed).exists()) {
            return installed;
        }
    }
    return QStringLiteral(MORVENT_BUILD_TRANSLATIONS);
}

bool load(QTranslator& translator, const QLocale& locale, const QString& name,
          const QString& folder) {
    return translator.load(locale, name, QStringLiteral("_"), folder);
}

} // namespace

QList<LanguageOffer> languageOffers() {
    QList<LanguageOffer> offers{
        {QString(), QCoreApplication::translate("Language", "&System")},
        {QStringLiteral("de"), QStringLiteral("&Deutsch")},
        {QStringLiteral("en"), QStringLiteral("&English")},
        {QStringLiteral("es"), QStringLiteral("Es&pañol")},
        {QStringLiteral("fr"), QStringLiteral("&Français")},
        {QStringLiteral("it"), QStringLiteral("&Italiano")},
        {QStringLiteral("nl"), QStringLiteral("&Nederlands")},
        {QStringLiteral("pl"), QStringLiteral("P&olski")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文(&C)")},
    };
#ifdef MORVENT_PSEUDO_TRANSLATION
    offers.append({QString::fromLatin1(kPseudoLanguage.data(), kPseudoLanguage.size()),
                   QStringLiteral("Ps&eudo (+40 %)")});
#endif
    return offers;
}

QString useLanguage(const QString& code) {
    for (const auto& translator : installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    QLocale::setDefault(QLocale::system());
    installed().clear();
    const auto add = [](std::unique_ptr<QTranslator> translator) {
        QCoreApplication::installTranslator(translator.get());
        installed().push_back(std::move(translator));
    };
    const QString folder = catalogueFolder();
    // English's plural forms ("1 change not written") sit under every other language, so that a
    // language without a catalogue reads them right.
    auto english = std::make_unique<QTranslator>();
    if (english->load(QStringLiteral("morvent_en"), folder)) {
        add(std::move(english));
    }
    if (code == QLatin1String(kPseudoLanguage.data(), kPseudoLanguage.size())) {
        add(std::make_unique<PseudoTranslator>());
        return code;
    }
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    auto own = std::make_unique<QTranslator>();
    if (!load(*own, locale, QStringLiteral("morvent"), folder) ||
        QFileInfo(own->filePath()).baseName() == QLatin1String("morvent_en")) {
        return {};
    }
    const QString found = QFileInfo(own->filePath()).baseName().section(QLatin1Char('_'), 1);
    auto qt = std::make_unique<QTranslator>();
    if (load(*qt, locale, QStringLiteral("qtbase"),
             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        add(std::move(qt));
    }
    add(std::move(own));
    // Numbers, times and dates as the language writes them, whatever the system's region says.
    QLocale::setDefault(QLocale(found));
    return found;
}

QString shownList(const QStringList& names) {
    // English, the language without a catalogue, lists as Britain does: no comma before "and".
    const bool translated =
        !installed().empty() && !installed().back()->language().startsWith(QLatin1String("en"));
    return (translated ? QLocale() : QLocale(QLocale::English, QLocale::UnitedKingdom))
        .createSeparatedList(names);
}

QString shownText(std::string_view english) {
    const QString text = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    if (text.contains(QLatin1Char('\n'))) {
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines) {
            line = shownText(line.toStdString());
        }
        return lines.join(QLatin1Char('\n'));
    }
    return text.isEmpty() ? text : QCoreApplication::translate(kProtocolContext, text.toUtf8());
}

QString shownText(const WordedText& wording) {
    return QString::fromStdString(
        wording.shown([](std::string_view text) { return shownText(text).toStdString(); }));
}

QString shownError(const std::exception& error) {
    if (const auto* worded = dynamic_cast<const WordedError*>(&error)) {
        return shownText(worded->wording());
    }
    return shownText(error.what());
}

} // namespace morvent
