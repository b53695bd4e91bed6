// The sections and keys of the design file, shared by its reader and writer: one table, so the
// two cannot disagree on a name or an order.
#pragma once

#include "design/Design.h"

#include <array>
#include <string_view>

namespace qor {

constexpr std::string_view FileSectionName = "QOR";
constexpr std::string_view FormatKey = "format";
constexpr std::array<std::string_view, 2> MechanismSectionNames = {"Mechanism1", "Mechanism2"};

// One key of a [MechanismK] section and the field it fills: exactly one of the three members
// is set. Drives are optional (off when missing); every other key is required.
struct MechanismKey {
    std::string_view Name;
    double MechanismDesign::*Real = nullptr;
    int MechanismDesign::*Length = nullptr;
    LinkDrive MechanismDesign::*Drive = nullptr;

    constexpr bool Required() const { return Drive == nullptr; }
};

// In the order the writer puts them, which is the order of the dialog's entries.
constexpr std::array<MechanismKey, 12> MechanismKeys = {{
    {"a", &MechanismDesign::a},
    {"b", &MechanismDesign::b},
    {"L1", nullptr, &MechanismDesign::L1},
    {"L2", nullptr, &MechanismDesign::L2},
    {"L3", nullptr, &MechanismDesign::L3},
    {"L4", nullptr, &MechanismDesign::L4},
    {"Velocity1", &MechanismDesign::Velocity1},
    {"Velocity4", &MechanismDesign::Velocity4},
    {"fi0", &MechanismDesign::fi0},
    {"gamma0", &MechanismDesign::gamma0},
    {"Link1", nullptr, nullptr, &MechanismDesign::Link1},
    {"Link4", nullptr, nullptr, &MechanismDesign::Link4},
}};

// The text of a drive: "+", "-" or "off".
constexpr std::string_view DriveText(LinkDrive drive) {
    switch (drive) {
    case LinkDrive::Plus:
        return "+";
    case LinkDrive::Minus:
        return "-";
    case LinkDrive::Off:
        break;
    }
    return "off";
}

} // namespace qor
