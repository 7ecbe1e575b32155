// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CommandOutput.h"

#include "ArgumentText.h"
#include "ShownText.h"
#include "StandardStreams.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace morvent {

bool print(std::FILE* to, const QString& text) {
    const std::string bytes = localBytes(terminalText(text));
    int error = 0;
    bool written = false;
    {
        const StreamLock lock(to);
        errno = 0;
        written = std::fputs(bytes.c_str(), to) >= 0 && std::fputc('\n', to) != EOF &&
                  std::fflush(to) == 0 && !std::ferror(to);
        error = streamWriteError(errno);
        std::clearerr(to);
    }
    errno = error;
    return written;
}

OutputError::OutputError(int error)
    : SessionError(Outcome::Failure, std::string("Unable to write to the standard output: ") +
                                         std::strerror(error) + ".") {}

void printResult(std::FILE* to, const QString& text) {
    if (!print(to, text)) {
        throw OutputError(errno);
    }
}

void say(const CommandStreams& io, std::FILE* to, const QString& text) {
    const QString label = io.port.isEmpty() ? QString() : shownName(io.port) + QStringLiteral(": ");
    const QString line = label + QString(text).replace('\n', '\n' + label);
    if (to == io.out) {
        printResult(to, line);
    } else {
        print(to, line);
    }
}

QString utf8Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString jsonText(const QJsonObject& object, QJsonDocument::JsonFormat format) {
    return QString::fromUtf8(QJsonDocument(object).toJson(format)).trimmed();
}

QString jsonName(const QString& path) {
    return jsonSafe(path);
}

void sayJson(const CommandStreams& io, QJsonObject object, QJsonDocument::JsonFormat format) {
    if (!io.port.isEmpty()) {
        object.insert(QStringLiteral("port"), jsonName(io.port));
        format = QJsonDocument::Compact;
    }
    printResult(io.out, jsonText(jsonSafe(object), format));
}

} // namespace morvent
