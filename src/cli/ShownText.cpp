// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ShownText.h"

#include <QJsonArray>

namespace morvent {

namespace {

constexpr char16_t kByteEscape = 0xDC00;

bool isLoneSurrogate(const QString& text, qsizetype i) {
    const QChar c = text[i];
    if (c.isHighSurrogate()) {
        return i + 1 == text.size() || !text[i + 1].isLowSurrogate();
    }
    return c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate());
}

QJsonValue safeValue(const QJsonValue& value) {
    if (value.isString()) {
        return jsonSafe(value.toString());
    }
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& item : value.toArray()) {
            array.append(safeValue(item));
        }
        return array;
    }
    if (value.isObject()) {
        return jsonSafe(value.toObject());
    }
    return value;
}

} // namespace

QString terminalText(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        const bool control = c.category() == QChar::Other_Control && c != u'\n' && c != u'\t';
        const bool controlByte =
            u >= kByteEscape + 0x80 && u <= kByteEscape + 0x9F && isLoneSurrogate(text, i);
        if (control || controlByte) {
            text[i] = u'?';
        }
    }
    return text;
}

QString shownName(const QString& name) {
    QString shown = name;
    return shown.replace('\n', QStringLiteral("\\n"))
        .replace('\r', QStringLiteral("\\r"))
        .replace('\t', QStringLiteral("\\t"));
}

QString noteText(QString note) {
    for (QChar& c : note) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph) {
            c = c.isSpace() ? u' ' : u'?';
        }
    }
    return note;
}

QString controllerText(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control) {
            c = u'?';
        }
    }
    return text;
}

QString jsonSafe(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isLoneSurrogate(text, i)) {
            text[i] = u'?';
        }
    }
    return text;
}

QJsonObject jsonSafe(const QJsonObject& object) {
    QJsonObject safe;
    for (auto it = object.begin(); it != object.end(); ++it) {
        safe.insert(jsonSafe(it.key()), safeValue(it.value()));
    }
    return safe;
}

} // namespace morvent
