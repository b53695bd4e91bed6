// The design file: a small UTF-8 text of sections and key=value lines.
//
//   # QOR design
//   [QOR]
//   format=1
//
//   [Mechanism1]
//   a=3
//   ...
//   Link1=+
//   Link4=off
//
//   [Mechanism2]
//   ...
//
// Lines starting with "#" or ";" are comments; blank lines and blanks around "=" are allowed;
// CRLF line ends and a UTF-8 byte order mark at the start are accepted. Keys and section names
// are matched exactly; unknown ones are ignored, so that later versions may add some. In each
// [MechanismK] the keys a, b, L1..L4, Velocity1, Velocity4, fi0 and gamma0 are required, and
// Link1 and Link4 ("+", "-" or "off") default to off. Numbers are written with "." whatever the
// locale; link lengths are whole numbers. A design is read only when both mechanisms pass the
// parameter dialog's acceptance rule.
#pragma once

#include "design/Design.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace qor {

// The newest file format this program reads and the one it writes.
constexpr int DesignFormat = 1;

// The longest text read as a design: 1 MiB. A design file is a few hundred bytes.
constexpr std::size_t MaxDesignTextSize = std::size_t{1} << 20;

// Why a text is not a design.
enum class DesignErrorReason {
    TooLarge,         // longer than MaxDesignTextSize
    Empty,            // nothing but blanks
    BinaryData,       // a NUL byte or another control character than tab, CR and LF
    NotUtf8,          // bytes that are not UTF-8
    NotKeyValue,      // a line that is no section header, key=value, comment or blank
    RepeatedSection,  // a known section appears twice
    RepeatedKey,      // a known key appears twice in its section
    NotANumber,       // a value that does not read as a number with "."
    NotFinite,        // infinity, NaN, or a number beyond the range of a double
    NotWholeNumber,   // a link length with a fraction
    LengthOutOfRange, // a link length beyond what the dialog takes (a 32-bit integer)
    BadDrive,         // Link1 or Link4 other than "+", "-" or "off"
    BadFormat,        // a format that is not a whole number from 1 up
    NewerFormat,      // a format newer than DesignFormat
    MissingSection,   // [QOR], [Mechanism1] or [Mechanism2] is not there
    MissingKey,       // a required key is not in its section
    CouplersDiffer,   // L2 and L3 of a mechanism differ
    DoesNotClose,     // a mechanism fails the closing rule
};

struct DesignError {
    DesignErrorReason Reason = DesignErrorReason::Empty;
    int Line = 0;        // 1-based line of the fault; 0 when it concerns the text as a whole
    std::string Section; // the section concerned, without brackets, or empty
    std::string Key;     // the key concerned, or empty
    std::string Text;    // the offending text (a line or a value) as found; valid UTF-8

    bool operator==(const DesignError&) const = default;
};

using DesignOrError = std::variant<Design, DesignError>;

// Reads a design. On the first fault, in the order of the lines, gives its reason; but a format
// newer than this program's wins over any other fault after the text checks, since a newer file
// may well hold lines that this program does not understand. The closing rule is checked last,
// mechanism 1 first.
DesignOrError ReadDesign(std::string_view text);

// Writes a design in the layout above, starting with the comment line "# QOR design". Numbers
// are the shortest text that reads back as the same double, so ReadDesign(WriteDesign(d)) == d
// for every design of finite values whose mechanisms pass the closing rule.
std::string WriteDesign(const Design& design);

} // namespace qor
