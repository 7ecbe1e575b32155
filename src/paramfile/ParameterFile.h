// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Fields.h"
#include "ReplacedFiles.h"
#include "Wording.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace morvent {

// A parameter file that could not be written or read; the message names the file's path.
class ParameterFileError : public WordedError {
public:
    explicit ParameterFileError(WordedText message, int systemError = 0)
        : WordedError(std::move(message)), m_systemError(systemError) {}
    // Why the system refused, for "Unable to write to"; 0 for a file that is not as it must be.
    int systemError() const { return m_systemError; }

private:
    int m_systemError;
};

// No parameter file comes near this; anything larger is refused unread.
inline constexpr std::size_t kParameterFileLimit = std::size_t{1} << 20;

// What keeps a parameter file from giving a row its value.
struct ParameterFileProblem {
    enum class Kind {
        MissingSection, // the row's section is not in the file
        MissingKey,     // the section is, the key is not
        NotANumber,     // the value is not a whole number by the conversion rule
        OutsideList,    // a list's index that names none of its items
    };
    Kind kind;
    std::size_t row; // into parameterTable()
    // The value's line; for a missing key its section's header line; 0 for a missing section.
    std::size_t line = 0;
    std::string value; // as the file has it
    int items = 0;     // the list's length, for OutsideList
};

// "SS0=abc on line 57 is not a whole number", "LC is missing from [Basic] on line 1", ...
std::string describe(const ParameterFileProblem& problem);
WordedText describeWording(const ParameterFileProblem& problem);
// One line per problem, and one only for a whole section missing.
std::vector<std::string> describeProblems(const std::vector<ParameterFileProblem>& problems);

// The 102 values of a parameter file in table order, read and checked before any control
// changes: 0 wherever the file gives none, and the problems that made it so, in table order.
struct ParameterFileContent {
    std::vector<std::int32_t> values;
    std::vector<ParameterFileProblem> problems;
};

// Reads the file at path. Throws ParameterFileError when it cannot be read ("Unable to read
// <path>", also for one larger than kParameterFileLimit) or is no parameter file at all: text
// that is not 8-bit (UTF-16) or holds none of the four sections. A file that a save in place cut
// short left (isCutShortSave) is refused as that, naming the newest whole copy of what it held
// among replaced where given. Given lists, a list's index that names none of the items there
// (-1, "nothing selected", included) is a problem too; a load leaves that list with nothing
// selected, but nothing can be sent from it.
ParameterFileContent readParameterFile(const std::string& path, const Fields* lists = nullptr,
                                       const ReplacedFiles* replaced = nullptr);

// Puts the values into the controls: a number as its decimal text, a list's index as
// applyFileIndex says (an index outside the list selects nothing, but names a wheel size).
void applyParameterFile(const ParameterFileContent& content, Fields& fields);

// Writes the 102 values of the four parameter pages into the file at path (a full path, taken
// as it is), creating it if need be. In an existing file each value replaces the one under its
// key in place, a missing key is added to its section and a missing section at the end; every
// other line stays byte for byte, line ends included. A new file has CR LF line ends.
//
// Every value is converted before the file is touched, and the file is written as replaceFile
// says, so it ends up holding either the complete new set or exactly what it held before. What
// an existing file held is first kept in replaced (unless it is empty or stays the same).
// Throws ConversionError for the first control, in file order, whose text is not a whole
// number, ParameterFileError naming the first list whose shown text the file cannot hold
// (fileIndex), and ParameterFileError "Unable to write to <path>", with the reason where there is
// one, when the file cannot be written: also, changing nothing, for a file a load would refuse
// for what it is (UTF-16 or binary, larger than kParameterFileLimit, before or with the new
// values), a symbolic link to
// nothing, and a file whose content could not be kept. A file that a save of this program's cut
// short left is its own: it is replaced whole, and kept in replaced first as any other.
//
// Given heldWhenBegun, what the file held (nullopt: nothing) when the values were taken (read
// from a controller): a file that holds something else by the time this save holds it was saved
// by another run meanwhile. It is then left as that run left it, and these values are kept as a
// copy in replaced instead, named in keptAside.
struct SaveOutcome {
    std::string replacedCopy; // where what the file held is kept; empty when nothing was replaced
    std::string keptAside;    // where these values are kept when the file was not replaced
};
SaveOutcome SaveParameterFile(const Fields& fields, const std::string& path,
                              const ReplacedFiles& replaced,
                              const std::optional<std::optional<std::string>>& heldWhenBegun = {});

// readParameterFile, then applyParameterFile: a missing section or key, or a value that is not
// a whole number, gives 0. Returns the problems, so the user can be shown which fields the file
// did not give. Throws as readParameterFile does, and then changes no control.
std::vector<ParameterFileProblem> LoadParameterFile(Fields& fields, const std::string& path,
                                                    const ReplacedFiles* replaced = nullptr);

} // namespace morvent
