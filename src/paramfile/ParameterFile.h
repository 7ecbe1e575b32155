#pragma once

#include "Fields.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace morvent {

// A parameter file that could not be written or read; the message names the file's path.
class ParameterFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// No parameter file comes near this; anything larger is refused unread.
inline constexpr std::size_t kParameterFileLimit = std::size_t{1} << 20;

// Writes the 102 values of the four parameter pages into the file at path (a full path, taken
// as it is), creating it if need be. In an existing file each value replaces the one under its
// key in place, a missing key is added to its section and a missing section at the end; every
// other line stays byte for byte, line ends included. A new file has CR LF line ends.
//
// Every value is converted before the file is touched, and the file is written as replaceFile
// says, so it ends up holding either the complete new set or exactly what it held before. Throws
// ConversionError for the first control, in file order, whose text is not a whole number, and
// ParameterFileError "Unable to write to <path>" when the file cannot be written.
void SaveParameterFile(const Fields& fields, const std::string& path);

// Reads the 102 values from the file at path into the controls. A missing section or key, or a
// value that is not a whole number by the conversion rule, gives 0. A file that cannot be opened
// or read, or is larger than kParameterFileLimit, throws ParameterFileError "Unable to read
// <path>" and changes no control.
void LoadParameterFile(Fields& fields, const std::string& path);

} // namespace morvent
