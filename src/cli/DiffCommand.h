// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ControllerSession.h"

#include <QJsonObject>
#include <QString>

#include <string>
#include <vector>

namespace morvent {

// A parameter whose value differs between two parameter files, as the pages would show each.
struct FileDifference {
    std::string page;
    std::string label;
    std::string unit;
    std::string key;
    std::string a; // as the first file gives it
    std::string b; // as the second
};

// Every parameter, in page order, that loading the two files would give different values:
// a key missing from one file only, a value that is not a whole number, and a list's index that
// names no item count with what they hold. Throws ParameterFileError for a file a load refuses.
std::vector<FileDifference> differingParameters(const std::string& a, const std::string& b);

// "Basic: Limited Current(A): 25 -> 30 (A)"
QString differenceLine(const FileDifference& difference);
QJsonObject differenceJson(const FileDifference& difference);

// Differences that could not be written out end diff with exit 2, as any trouble does: its exit
// 1 means that some differ. `error` is the system's reason.
SessionError diffOutputError(int error);

} // namespace morvent
