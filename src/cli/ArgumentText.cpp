// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ArgumentText.h"

#include <QByteArrayView>

namespace morvent {

namespace {

constexpr char16_t kByteEscape = 0xDC00;

bool isEscapedByte(const QString& text, qsizetype i) {
    const char16_t u = text[i].unicode();
    return u >= kByteEscape + 0x80 && u <= kByteEscape + 0xFF &&
           (i == 0 || !text[i - 1].isHighSurrogate());
}

} // namespace

QString argumentText(std::string_view bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (view.isValidUtf8()) {
        return QString::fromUtf8(view);
    }
    QString text;
    text.reserve(view.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += QChar(byte < 0x80 ? char16_t{byte} : static_cast<char16_t>(kByteEscape + byte));
    }
    return text;
}

std::string localBytes(const QString& text) {
    std::string bytes;
    qsizetype plain = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || isEscapedByte(text, i)) {
            bytes += text.mid(plain, i - plain).toStdString();
            if (i < text.size()) {
                bytes += static_cast<char>(text[i].unicode() - kByteEscape);
            }
            plain = i + 1;
        }
    }
    return bytes;
}

} // namespace morvent
