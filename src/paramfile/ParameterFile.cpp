// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ParameterFile.h"
#include "Wording.h"

#include "BlockLayout.h"
#include "FileIo.h"
#include "FileSystem.h"
#include "IniDocument.h"
#include "NumberConversion.h"
#include "ParameterTable.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <vector>

namespace morvent {

namespace {

// A message's template and its parts, each shown as it stands: paths, keys, sections as the file
// has them, numbers and the system's reasons.
WordedText worded(const char* wording, std::initializer_list<std::string> parts) {
    std::vector<WordedText> arguments;
    for (const std::string& part : parts) {
        arguments.push_back(WordedText::literal(part));
    }
    return WordedText(wording, std::move(arguments));
}

std::string bracketed(std::string_view section) {
    return "[" + std::string(section) + "]";
}

// "[Basic], [Pedal Assist], [Throttle Handle] and [Torque]": the sections are the blocks' pages.
std::string allSections() {
    std::string list;
    for (std::size_t i = 0; i < kAllBlocks.size(); ++i) {
        list += (i == 0                       ? ""
                 : i + 1 == kAllBlocks.size() ? " and "
                                              : ", ") +
                bracketed(layout(kAllBlocks[i]).title);
    }
    return list;
}

// Taken right after the step that failed, so the reason is the system's own. A file another
// program holds open is named with that reason in every front end, since nothing else about it
// is wrong.
ParameterFileError unableToWrite(const std::string& path) {
    const int error = errno;
    if (const std::string held = heldOpenReason(error); !held.empty()) {
        return ParameterFileError(
            worded(QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: %2"), {path, held}));
    }
    return ParameterFileError(
        worded(QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1"), {path}), error);
}

// A parameter file is 8-bit text: UTF-16 has NUL bytes beside every ASCII character. A load
// refuses such a file, and a save over one is refused for the same.
bool notEightBitText(std::string_view text) {
    return text.find('\0') != std::string_view::npos || text.starts_with("\xFF\xFE") ||
           text.starts_with("\xFE\xFF");
}

// A file left by a save in place that was cut short: said so, with where what it held is kept.
ParameterFileError cutShort(const std::string& path, const ReplacedFiles* replaced) {
    if (!replaced) {
        return ParameterFileError(
            worded(QT_TRANSLATE_NOOP("Protocol",
                                     "%1 holds no parameters: the last save to it was cut short"),
                   {path}));
    }
    if (const std::string copy = replaced->newestWholeCopy(path); !copy.empty()) {
        return ParameterFileError(
            worded(QT_TRANSLATE_NOOP("Protocol",
                                     "%1 holds no parameters: the last save to it was cut short. "
                                     "What it held before that save is kept in %2"),
                   {path, copy}));
    }
    return ParameterFileError(
        worded(QT_TRANSLATE_NOOP("Protocol",
                                 "%1 holds no parameters: the last save to it was cut short, and "
                                 "no copy of what it held before is kept"),
               {path}));
}

// A value as the file has it, cut short: it is shown to name the line, not to be read whole.
std::string shown(const std::string& value) {
    return value.size() <= 40 ? value : value.substr(0, 40) + "...";
}

} // namespace

std::string describe(const ParameterFileProblem& problem) {
    return describeWording(problem).english();
}

WordedText describeWording(const ParameterFileProblem& problem) {
    const Parameter& row = parameterTable()[problem.row];
    const std::string section = bracketed(row.section());
    const std::string line = std::to_string(problem.line);
    switch (problem.kind) {
    case ParameterFileProblem::Kind::MissingSection:
        return worded(QT_TRANSLATE_NOOP("Protocol", "%1 is missing, and %2 with it"),
                      {section, row.key});
    case ParameterFileProblem::Kind::MissingKey:
        return worded(QT_TRANSLATE_NOOP("Protocol", "%1 is missing from %2 on line %3"),
                      {row.key, section, line});
    case ParameterFileProblem::Kind::NotANumber:
        return worded(QT_TRANSLATE_NOOP("Protocol", "%1=%2 on line %3 is not a whole number"),
                      {row.key, shown(problem.value), line});
    case ParameterFileProblem::Kind::OutsideList:
        return worded(
            QT_TRANSLATE_NOOP("Protocol", "%1=%2 on line %3 is no item of its list (0 to %4)"),
            {row.key, shown(problem.value), line, std::to_string(problem.items - 1)});
    }
    return {};
}

std::vector<std::string> describeProblems(const std::vector<ParameterFileProblem>& problems) {
    std::vector<std::string> lines;
    std::string_view missing;
    for (const ParameterFileProblem& problem : problems) {
        const std::string_view section = parameterTable()[problem.row].section();
        if (problem.kind != ParameterFileProblem::Kind::MissingSection) {
            lines.push_back(describe(problem));
        } else if (section != missing) {
            lines.push_back(
                worded(QT_TRANSLATE_NOOP("Protocol", "%1 is missing"), {bracketed(section)})
                    .english());
            missing = section;
        }
    }
    return lines;
}

ParameterFileContent readParameterFile(const std::string& path, const Fields* lists,
                                       const ReplacedFiles* replaced) {
    ReadRefusal why = ReadRefusal::Unreadable;
    const std::optional<std::string> text = readFile(path, kParameterFileLimit, &why);
    if (!text) {
        throw ParameterFileError(
            why == ReadRefusal::TooLarge
                ? worded(QT_TRANSLATE_NOOP(
                             "Protocol",
                             "Unable to read %1. At more than 1 MiB it is not a parameter file"),
                         {path})
                : worded(QT_TRANSLATE_NOOP("Protocol", "Unable to read %1"), {path}));
    }
    if (isCutShortSave(*text)) {
        throw cutShort(path, replaced);
    }
    if (notEightBitText(*text)) {
        throw ParameterFileError(worded(
            QT_TRANSLATE_NOOP("Protocol",
                              "%1 is not a parameter file: it is UTF-16 or binary, not 8-bit text"),
            {path}));
    }
    const IniDocument document(*text);
    bool anySection = false;
    for (const Block block : kAllBlocks) {
        anySection = anySection || document.lineOf(layout(block).title) != 0;
    }
    if (!anySection) {
        throw ParameterFileError(
            worded(QT_TRANSLATE_NOOP("Protocol",
                                     "%1 is not a parameter file: it has none of the sections %2"),
                   {path, allSections()}));
    }

    using Kind = ParameterFileProblem::Kind;
    const std::vector<Parameter>& rows = parameterTable();
    ParameterFileContent content;
    content.values.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Parameter& row = rows[i];
        const std::optional<std::string> value = document.value(row.section(), row.key);
        const std::optional<std::int32_t> number =
            value ? parseInteger(*value) : std::optional<std::int32_t>();
        const std::int32_t read = number.value_or(0);
        content.values.push_back(read);
        const int items =
            lists && row.kind == ParameterKind::SelectedIndex ? lists->itemCount(row.control) : 0;
        if (!value) {
            const std::size_t header = document.lineOf(row.section());
            content.problems.push_back(
                {header == 0 ? Kind::MissingSection : Kind::MissingKey, i, header, {}});
        } else if (!number) {
            content.problems.push_back(
                {Kind::NotANumber, i, document.lineOf(row.section(), row.key), *value});
        } else if (items > 0 && !fileIndexShows(row, read, items)) {
            content.problems.push_back(
                {Kind::OutsideList, i, document.lineOf(row.section(), row.key), *value, items});
        }
    }
    return content;
}

void applyParameterFile(const ParameterFileContent& content, Fields& fields) {
    const std::vector<Parameter>& rows = parameterTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].kind == ParameterKind::Number) {
            fields.setText(rows[i].control, std::to_string(content.values[i]));
        } else {
            applyFileIndex(rows[i], content.values[i], fields);
        }
    }
}

namespace {

// The values a save puts in the file, one a row of the parameter table, as the pages show them.
std::vector<std::int32_t> valuesToSave(const Fields& fields) {
    const std::vector<Parameter>& rows = parameterTable();
    std::vector<std::int32_t> values;
    values.reserve(rows.size());
    for (const Parameter& row : rows) {
        if (row.kind == ParameterKind::Number) {
            values.push_back(toInteger(fields.text(row.control)));
            continue;
        }
        // A list is kept as the item it shows, which need not be the one selected.
        const std::optional<std::int32_t> index = fileIndex(row, fields);
        if (!index) {
            // One whole sentence per page: the page's name bends with it in other languages.
            static constexpr std::array<const char*, 4> kNotHeld{
                QT_TRANSLATE_NOOP("Protocol", "%1 on the Basic page shows %2, which a parameter "
                                              "file cannot hold"),
                QT_TRANSLATE_NOOP("Protocol", "%1 on the Pedal Assist page shows %2, which a "
                                              "parameter file cannot hold"),
                QT_TRANSLATE_NOOP("Protocol", "%1 on the Throttle Handle page shows %2, which a "
                                              "parameter file cannot hold"),
                QT_TRANSLATE_NOOP("Protocol", "%1 on the Torque page shows %2, which a parameter "
                                              "file cannot hold"),
            };
            throw ParameterFileError(WordedText(kNotHeld.at(static_cast<std::size_t>(row.block)),
                                                {WordedText::caption(row.labelWording),
                                                 WordedText::literal(fields.text(row.control))}));
        }
        values.push_back(*index);
    }
    return values;
}

} // namespace

SaveOutcome SaveParameterFile(const Fields& fields, const std::string& path,
                              const ReplacedFiles& replaced,
                              const std::optional<std::optional<std::string>>& heldWhenBegun) {
    const std::vector<Parameter>& rows = parameterTable();
    const std::vector<std::int32_t> values = valuesToSave(fields);
    if (isDanglingLink(path)) {
        throw ParameterFileError(
            worded(QT_TRANSLATE_NOOP("Protocol",
                                     "Unable to write to %1: it is a symbolic link to %2, which "
                                     "does not exist"),
                   {path, linkTarget(path)}));
    }
    const auto tooLarge = [&path] {
        return ParameterFileError(worded(
            QT_TRANSLATE_NOOP(
                "Protocol", "Unable to write to %1. At more than 1 MiB it is not a parameter file"),
            {path}));
    };
    // Held from reading what the file holds until it is replaced, so that a second save of the
    // file at once (another read-out to the same name) reads what this one wrote and keeps it.
    const std::string copies = replaced.folderFor(path);
    const bool lockable = makeFolders(copies) == 0 && isPlainFolder(copies);
    const std::optional<FileLock> held =
        lockable ? std::optional<FileLock>(std::in_place, copies + "/" + ReplacedFiles::kLockName)
                 : std::nullopt;
    ReadRefusal why = ReadRefusal::Unreadable;
    const std::optional<std::string> existing = readFile(path, kParameterFileLimit, &why);
    if (!existing && why == ReadRefusal::TooLarge) {
        throw tooLarge();
    }
    if (!existing && !isMissing(path)) {
        // There is a file that cannot be read, so its other lines could not be kept.
        throw unableToWrite(path);
    }
    // A save of this program's that was cut short left nothing to keep line by line: the file
    // is made anew, what it holds kept as a copy like any replaced content.
    const bool ownCutShort = existing && isCutShortSave(*existing);
    // Sections added to it would make a file that no load takes, and that it was not before.
    if (existing && !ownCutShort && notEightBitText(*existing)) {
        throw ParameterFileError(
            worded(QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: it is not a "
                                                 "parameter file: it is UTF-16 or binary, "
                                                 "not 8-bit text"),
                   {path}));
    }
    IniDocument document = existing && !ownCutShort ? IniDocument(*existing) : IniDocument();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        document.setValue(rows[i].section(), rows[i].key, std::to_string(values[i]));
    }
    const std::string text = document.text();
    // A file that a load would refuse for its size is not written either.
    if (text.size() > kParameterFileLimit) {
        throw tooLarge();
    }
    // Another save came in between: its values stay where it put them, these go beside them.
    if (heldWhenBegun && *heldWhenBegun != existing && existing != text) {
        const ReplacedFiles::Outcome kept = replaced.keep(path, text);
        if (!kept.kept) {
            throw ParameterFileError(worded(
                QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: %2, so nothing was changed"),
                {path, kept.error}));
        }
        return {{}, kept.path};
    }
    // What the file held goes aside first; a save that cannot keep it changes nothing. An empty
    // file, or one that stays as it is, loses nothing.
    std::string copy;
    if (existing && !existing->empty() && *existing != text) {
        // A file the user may not change keeps no copy either: the refusal changes nothing.
        if (const int refused = whyNotWritable(path); refused > 0) {
            errno = refused;
            throw unableToWrite(path);
        }
        const ReplacedFiles::Outcome kept = replaced.keep(path, *existing);
        if (!kept.kept) {
            throw ParameterFileError(worded(
                QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1: %2, so nothing was changed"),
                {path, kept.error}));
        }
        copy = kept.path;
    }
    if (!replaceFile(path, text)) {
        if (copy.empty()) {
            throw unableToWrite(path);
        }
        // The system's reason, where it gave one, follows the whole message.
        const int error = errno;
        throw ParameterFileError(
            worded(
                QT_TRANSLATE_NOOP("Protocol", "Unable to write to %1 (what it held is kept in %2)"),
                {path, copy}),
            error);
    }
    return {copy, {}};
}

std::vector<ParameterFileProblem> LoadParameterFile(Fields& fields, const std::string& path,
                                                    const ReplacedFiles* replaced) {
    ParameterFileContent content = readParameterFile(path, nullptr, replaced);
    applyParameterFile(content, fields);
    return std::move(content.problems);
}

} // namespace morvent
