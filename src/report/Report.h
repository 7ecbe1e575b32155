// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Fields.h"
#include "ShownParameters.h"
#include "Wording.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace morvent {

class ParameterModel;

// One parameter of a report: where the page shows it, and its value.
struct ReportRow {
    std::string page;    // the page's tab caption
    std::string section; // "" for plain rows, else the grid it belongs to
    std::string label;   // for a grid: its row
    std::string column;  // for a grid: its column head
    std::string unit;
    std::string value; // as the page shows it
    // Where the value is not what the controller holds: what it holds, as the page would show it.
    std::optional<std::string> held;
    std::string control; // the component name
    // Where the value comes from: this controller, or what it stands for instead. Where its page
    // mixes sources, marked says so beside each value not from this controller.
    enum class Source { Controller, Typed, File, Earlier };
    Source source = Source::Controller;
    bool marked = false;

    bool changed() const { return held.has_value(); }
};

// What a report says: when, of which controller, a line for the bike or customer, and every
// parameter of the four pages in page order.
struct ReportContent {
    QDateTime takenAt;
    std::vector<std::string> identity; // the "Controller Info" lines, as shown
    std::string note;
    std::vector<ReportRow> rows;
    // The shop's name, address, phone and e-mail, one a line, heading every page; none for a
    // report without them.
    std::vector<std::string> shop = {};
    std::string logo = {}; // a picture's path, drawn at the right of the heading
    std::string technician = {};
    // Where the values come from: "Read from this controller at 14:03" when all are; else each
    // page not read from the connected controller says where its values come from, or, where it
    // mixes sources, that its values not from this controller are marked.
    std::string source = {};
    std::map<std::string, std::string> pageSources = {};
    // What this visit changed in the controller: value is the one written, held the one read
    // first.
    std::vector<ReportRow> visit = {};
};

// The report of the values the pages hold; given the model, each value that is not what the
// controller holds is followed by the controller's where it is known, and each value not read from
// this controller has its source (typed, a file, left from before connecting) said by its page or,
// where the page mixes sources, by a mark. A value the controller's is never held for unknown.
// Values and units are put as a customer reads them (customerRow); the delta voltages come in
// ascending bands. The identity lines are the Controller Info labels' texts. Given a wording, the
// pages' captions and listed values are put in its words (the window's language); the command-line
// tool's report keeps the table's English.
ReportContent reportOf(const Fields& pages, const ParameterModel* model, const std::string& note,
                       const QDateTime& takenAt = QDateTime::currentDateTime(),
                       const Wording& wording = {});

// A value and its unit as a customer reads them, the captions beside them plain where the page's
// put the unit or a scale in the caption: no unit said twice ("Limited Current(A)" and "25", not
// "25 A"), none on a choice that has none (k700C, "By Display's Command"), the scale worked out
// ("Time of stop" "300" "ms" for "Time of stop(x10ms)" 30) and the work mode as the ratio it is
// (3.5 for 35).
void customerRow(ReportRow& row);

// The report as an HTML page: a heading, the identity, and a table per part of each page, grids
// laid out as on the page; a changed value is marked with an asterisk and both values. Its own
// words are in the language whose catalogue is in force: the window's, or English.
QString reportHtml(const ReportContent& content);

// The report laid out on A4 pages of device (a PDF writer, a printer), its text kept as text:
// the shop's lines head every page and "Page N of M" ends it; a page's section starts on a new
// page rather than leave its title or part of it behind, where it fits on one.
void printReport(const ReportContent& content, QPagedPaintDevice& device);

// The report as a PDF file's bytes.
QByteArray reportPdf(const ReportContent& content);

// Why a report could not be saved at path, checked before anything is read for it: a name that
// is neither .pdf nor .html, a link to nothing, a file or folder that cannot be written. Empty
// when it can be.
std::string reportTargetProblem(const std::string& path);
WordedText reportTargetWording(const std::string& path);

// Writes the report to path, as HTML for a name ending in .html or .htm and as PDF otherwise;
// the file appears whole or not at all. Throws ReportError "Unable to write to <path>: why".
void saveReport(const ReportContent& content, const std::string& path);

class ReportError : public WordedError {
public:
    using WordedError::WordedError;
};

} // namespace morvent
