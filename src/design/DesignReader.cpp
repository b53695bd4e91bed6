// ReadDesign: the design file's lines into a design, or the first fault found.
#include "design/DesignFile.h"

#include "design/DesignKeys.h"
#include "design/TextCheck.h"
#include "kinematics/ClosingRule.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace qor {
namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::string_view Blanks = " \t";

std::string_view Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(Blanks) - first + 1);
}

int LineOfOffset(std::string_view text, std::size_t offset) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

// A number out of a double's range is too large (not finite) or too small to be told from zero,
// which the dialog treats as no number at all. The long double range decides almost every text;
// beyond it, the sign of the exponent does.
DesignErrorReason OutOfRangeReason(std::string_view text) {
    long double wide = 0.0L;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), wide, std::chars_format::general);
    if (error == std::errc()) {
        return std::fabs(wide) > std::numeric_limits<double>::max() ? DesignErrorReason::NotFinite
                                                                    : DesignErrorReason::NotANumber;
    }
    const std::size_t exponent = text.find_first_of("eE");
    const bool negativeExponent =
        exponent != std::string_view::npos && text.substr(exponent + 1).starts_with('-');
    return negativeExponent ? DesignErrorReason::NotANumber : DesignErrorReason::NotFinite;
}

// A finite double in decimal notation with ".", an optional sign and exponent; or the reason why
// the text is not one.
std::optional<DesignErrorReason> ReadReal(std::string_view text, double& value) {
    std::string_view digits = text;
    // from_chars takes no "+"; the dialog does.
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
        if (digits.starts_with('-')) {
            return DesignErrorReason::NotANumber;
        }
    }
    const char* last = digits.data() + digits.size();
    const auto [end, error] =
        std::from_chars(digits.data(), last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range && end == last) {
        return OutOfRangeReason(digits);
    }
    if (error != std::errc() || end != last) {
        return DesignErrorReason::NotANumber;
    }
    if (!std::isfinite(value)) {
        return DesignErrorReason::NotFinite;
    }
    return std::nullopt;
}

// A link length: a number that is whole and within the 32-bit range the dialog's entry takes.
std::optional<DesignErrorReason> ReadLength(std::string_view text, int& length) {
    double value = 0.0;
    if (const auto fault = ReadReal(text, value)) {
        return fault;
    }
    if (value != std::trunc(value)) {
        return DesignErrorReason::NotWholeNumber;
    }
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return DesignErrorReason::LengthOutOfRange;
    }
    length = static_cast<int>(value);
    return std::nullopt;
}

std::optional<DesignErrorReason> ReadDrive(std::string_view text, LinkDrive& drive) {
    for (LinkDrive d : {LinkDrive::Off, LinkDrive::Plus, LinkDrive::Minus}) {
        if (text == DriveText(d)) {
            drive = d;
            return std::nullopt;
        }
    }
    return DesignErrorReason::BadDrive;
}

// What the lines said about a known section.
struct SectionLines {
    int Header = 0;                                  // line of its header, 0 when absent
    std::array<int, MechanismKeys.size()> KeyLine{}; // line of each key, 0 when absent
};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    DesignOrError Read() {
        int number = 0;
        std::size_t start = 0;
        while (start <= text_.size()) {
            const std::size_t end = std::min(text_.find('\n', start), text_.size());
            std::string_view line = text_.substr(start, end - start);
            if (line.ends_with('\r')) {
                line.remove_suffix(1);
            }
            ReadLine(++number, Trim(line));
            start = end + 1;
        }
        if (newerFormat_) {
            return *newerFormat_;
        }
        if (fault_) {
            return *fault_;
        }
        if (const auto missing = MissingSectionOrKey()) {
            return *missing;
        }
        if (const auto open = FirstOpenMechanism()) {
            return *open;
        }
        return design_;
    }

private:
    // Section indices: 0 is [QOR], 1 and 2 the mechanisms; -1 any other section.
    static int SectionIndex(std::string_view name) {
        if (name == FileSectionName) {
            return 0;
        }
        const auto found =
            std::find(MechanismSectionNames.begin(), MechanismSectionNames.end(), name);
        return found == MechanismSectionNames.end()
                   ? -1
                   : 1 + static_cast<int>(found - MechanismSectionNames.begin());
    }

    static std::string_view SectionName(int index) {
        return index == 0 ? FileSectionName
                          : MechanismSectionNames[static_cast<std::size_t>(index - 1)];
    }

    // Keeps the first fault in the order of the lines; reading goes on to find the format.
    void Note(DesignErrorReason reason, int line, std::string_view key, std::string_view text) {
        if (!fault_) {
            fault_ = Fault(reason, line, key, text);
        }
    }

    DesignError Fault(DesignErrorReason reason, int line, std::string_view key,
                      std::string_view text) const {
        return DesignError{reason, line,
                           current_ >= 0 ? std::string(SectionName(current_)) : std::string(),
                           std::string(key), std::string(text)};
    }

    void ReadLine(int number, std::string_view line) {
        if (line.empty() || line.starts_with('#') || line.starts_with(';')) {
            return;
        }
        if (line.starts_with('[')) {
            ReadHeader(number, line);
            return;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = Trim(line.substr(0, equals));
        if (equals == std::string_view::npos || key.empty()) {
            Note(DesignErrorReason::NotKeyValue, number, {}, line);
            return;
        }
        const std::string_view value = Trim(line.substr(equals + 1));
        if (current_ == 0) {
            ReadFormat(number, key, value);
        } else if (current_ > 0) {
            ReadMechanismKey(number, key, value);
        }
    }

    void ReadHeader(int number, std::string_view line) {
        if (!line.ends_with(']') || line.size() < 2) {
            current_ = -1;
            Note(DesignErrorReason::NotKeyValue, number, {}, line);
            return;
        }
        current_ = SectionIndex(Trim(line.substr(1, line.size() - 2)));
        if (current_ < 0) {
            return;
        }
        SectionLines& section = sections_[static_cast<std::size_t>(current_)];
        if (section.Header != 0) {
            Note(DesignErrorReason::RepeatedSection, number, {}, line);
            current_ = -1;
            return;
        }
        section.Header = number;
    }

    void ReadFormat(int number, std::string_view key, std::string_view value) {
        if (key != FormatKey) {
            return;
        }
        int& line = sections_[0].KeyLine[0];
        if (line != 0) {
            Note(DesignErrorReason::RepeatedKey, number, key, value);
            return;
        }
        line = number;
        int format = 0;
        const char* last = value.data() + value.size();
        const auto [end, error] = std::from_chars(value.data(), last, format);
        const bool digitsOnly = !value.empty() && end == last;
        if (digitsOnly && (error == std::errc::result_out_of_range ||
                           (error == std::errc() && format > DesignFormat))) {
            newerFormat_ = Fault(DesignErrorReason::NewerFormat, number, key, value);
        } else if (!digitsOnly || error != std::errc() || format < 1) {
            Note(DesignErrorReason::BadFormat, number, key, value);
        }
    }

    void ReadMechanismKey(int number, std::string_view key, std::string_view value) {
        const auto found = std::find_if(MechanismKeys.begin(), MechanismKeys.end(),
                                        [key](const MechanismKey& k) { return k.Name == key; });
        if (found == MechanismKeys.end()) {
            return;
        }
        const auto index = static_cast<std::size_t>(found - MechanismKeys.begin());
        int& line = sections_[static_cast<std::size_t>(current_)].KeyLine[index];
        if (line != 0) {
            Note(DesignErrorReason::RepeatedKey, number, key, value);
            return;
        }
        line = number;
        MechanismDesign& m = design_.Mechanisms[static_cast<std::size_t>(current_ - 1)];
        std::optional<DesignErrorReason> fault;
        if (found->Real != nullptr) {
            fault = ReadReal(value, m.*(found->Real));
        } else if (found->Length != nullptr) {
            fault = ReadLength(value, m.*(found->Length));
        } else {
            fault = ReadDrive(value, m.*(found->Drive));
        }
        if (fault) {
            Note(*fault, number, key, value);
        }
    }

    std::optional<DesignError> MissingSectionOrKey() {
        for (int index = 0; index < 3; ++index) {
            const SectionLines& section = sections_[static_cast<std::size_t>(index)];
            current_ = index;
            if (section.Header == 0) {
                return Fault(DesignErrorReason::MissingSection, 0, {}, {});
            }
            for (std::size_t k = 0; k < (index == 0 ? 1 : MechanismKeys.size()); ++k) {
                const bool required = index == 0 || MechanismKeys[k].Required();
                if (required && section.KeyLine[k] == 0) {
                    const std::string_view name = index == 0 ? FormatKey : MechanismKeys[k].Name;
                    return Fault(DesignErrorReason::MissingKey, section.Header, name, {});
                }
            }
        }
        return std::nullopt;
    }

    // The parameter dialog's acceptance rule, with unequal couplers told apart.
    std::optional<DesignError> FirstOpenMechanism() {
        constexpr std::size_t L2Key = 3;
        constexpr std::size_t L3Key = 4;
        for (int index = 1; index <= 2; ++index) {
            const SectionLines& section = sections_[static_cast<std::size_t>(index)];
            const MechanismDesign& m = design_.Mechanisms[static_cast<std::size_t>(index - 1)];
            current_ = index;
            if (m.L2 != m.L3) {
                const bool l3Later = section.KeyLine[L3Key] > section.KeyLine[L2Key];
                const std::size_t later = l3Later ? L3Key : L2Key;
                return Fault(DesignErrorReason::CouplersDiffer, section.KeyLine[later],
                             MechanismKeys[later].Name, {});
            }
            if (!ClosesAtEveryPosition(m.a, m.b, m.L1, m.L2, m.L3, m.L4)) {
                return Fault(DesignErrorReason::DoesNotClose, section.Header, {}, {});
            }
        }
        return std::nullopt;
    }

    std::string_view text_;
    Design design_;
    std::array<SectionLines, 3> sections_{};
    int current_ = -1;
    std::optional<DesignError> fault_;
    std::optional<DesignError> newerFormat_;
};

} // namespace

DesignOrError ReadDesign(std::string_view text) {
    if (text.size() > MaxDesignTextSize) {
        return DesignError{DesignErrorReason::TooLarge, 0, {}, {}, {}};
    }
    if (text.starts_with(Bom)) {
        text.remove_prefix(Bom.size());
    }
    if (const auto fault = FirstNonTextByte(text)) {
        const DesignErrorReason reason = fault->Fault == TextFault::BinaryData
                                             ? DesignErrorReason::BinaryData
                                             : DesignErrorReason::NotUtf8;
        return DesignError{reason, LineOfOffset(text, fault->Offset), {}, {}, {}};
    }
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return DesignError{DesignErrorReason::Empty, 0, {}, {}, {}};
    }
    return Reader(text).Read();
}

} // namespace qor
