// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Commands.h"
#include "ControllerSession.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdio>
#include <string_view>

namespace morvent {

// How the commands put their lines out: whole lines, also while several ports' sessions print
// at once, and what comes from outside the tool shown as terminalText says.

// False when the line did not get out whole (a full disk, a reader gone), with errno saying why.
bool print(std::FILE* to, const QString& text);

// Results that do not reach the standard output are lost, however well the run went: the run
// ends with exit 1 and says so on stderr, never in the output that failed.
class OutputError : public SessionError {
public:
    explicit OutputError(int error);
};

// A result line: one that does not get out throws OutputError.
void printResult(std::FILE* to, const QString& text);

// A line of one port's session: with several ports, each of its lines starts with the port's
// name.
void say(const CommandStreams& io, std::FILE* to, const QString& text);

// One port's result as JSON: with several ports, one object a line for each, naming its port.
void sayJson(const CommandStreams& io, QJsonObject object,
             QJsonDocument::JsonFormat format = QJsonDocument::Compact);

// Text the protocol layer gives as UTF-8 bytes.
QString utf8Text(std::string_view s);

QString jsonText(const QJsonObject& object,
                 QJsonDocument::JsonFormat format = QJsonDocument::Compact);

// A name as JSON text, which has no room for bytes that are not UTF-8.
QString jsonName(const QString& path);

} // namespace morvent
