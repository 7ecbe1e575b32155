// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QJsonObject>
#include <QString>

#include <string_view>

namespace morvent {

// What the tool prints comes partly from outside it: a controller's identity and firmware text,
// values and names from files and arguments. None of that may steer the terminal or forge lines
// of output, and none of it may make the JSON output invalid. Every byte or character that could
// is shown as '?', the same in every kind of output.

// Text as it goes to the terminal: every control character but the line breaks and tabs the
// tool's own messages are made of, and every byte of a name that is not UTF-8 and would be a
// control character of an 8-bit terminal (0x80 to 0x9F), becomes '?'. Other bytes of such a name
// are written back as they came, so the name stays recognisable.
QString terminalText(QString text);

// A file's or a port's name within a line of output: a line break, carriage return or tab in it
// is shown as \n, \r or \t, so that one result stays one line and its fields stay apart.
QString shownName(const QString& name);

// The note a report is given on the command line, as the report prints it: one line of text for
// a customer to read, so a line break or tab becomes a blank and any other control character
// (an escape sequence, a bell, a NUL) a '?', never a byte that a viewer or printer would act on.
QString noteText(QString note);

// A text the controller sent, as one field of one line: line breaks and tabs included, every
// control character becomes '?'.
QString controllerText(std::string_view utf8);

// A string as JSON may hold it: the lone surrogates that carry the bytes of a name that is not
// UTF-8 become '?'.
QString jsonSafe(QString text);
// The same for every string of an object, also inside its arrays.
QJsonObject jsonSafe(const QJsonObject& object);

} // namespace morvent
