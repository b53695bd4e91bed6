// Fuzz target: the design file's reader on any bytes, and its writer on any design.
// The input is read as a file. Whatever reads is a design the dialog would accept (finite values,
// equal couplers, the closing rule); it writes out and reads back as the same design, and its
// records, made into a design and back, are the same records. Whatever is refused names a line
// of the input and, where it quotes text, text that is there; its message is UTF-8 text.
// The same bytes are also taken as a design of raw numbers: its text reads back as the same
// design, or is refused for a value or a linkage that the dialog would refuse too.
#include "FuzzCheck.h"

#include "design/DesignFile.h"
#include "design/DesignMessage.h"
#include "design/DesignRecords.h"
#include "design/TextCheck.h"
#include "kinematics/ClosingRule.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

namespace {

using qor::Design;
using qor::DesignError;
using qor::DesignErrorReason;
using qor::MechanismDesign;
using qor::fuzz::Check;

bool Finite(const MechanismDesign& m) {
    return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.Velocity1) &&
           std::isfinite(m.Velocity4) && std::isfinite(m.fi0) && std::isfinite(m.gamma0);
}

bool Accepted(const MechanismDesign& m) {
    return Finite(m) && m.L2 == m.L3 &&
           qor::ClosesAtEveryPosition(m.a, m.b, m.L1, m.L2, m.L3, m.L4);
}

bool SameRecord(const qor::Mechanism& x, const qor::Mechanism& y) {
    return x.a == y.a && x.b == y.b && x.L1 == y.L1 && x.L2 == y.L2 && x.L3 == y.L3 &&
           x.L4 == y.L4 && x.Velocity1 == y.Velocity1 && x.Velocity4 == y.Velocity4 &&
           x.Fi == y.Fi && x.Gamma == y.Gamma && x.dFi == y.dFi && x.dGamma == y.dGamma;
}

void CheckDesign(const Design& design) {
    for (const MechanismDesign& m : design.Mechanisms) {
        Check(Accepted(m), "a design that reads passes the dialog's acceptance rule");
        const qor::Mechanism record = qor::MechanismOf(m, qor::MechanismPlane::Horizontal);
        const qor::Mechanism again = qor::MechanismOf(qor::DesignOf(record, m.Link1, m.Link4),
                                                      qor::MechanismPlane::Horizontal);
        Check(SameRecord(record, again), "a record made into a design makes the same record");
    }
    const std::string text = qor::WriteDesign(design);
    const qor::DesignOrError again = qor::ReadDesign(text);
    Check(std::holds_alternative<Design>(again), "the writer's text of a design reads");
    Check(std::get<Design>(again) == design, "the writer's text reads back as the same design");
    Check(qor::WriteDesign(std::get<Design>(again)) == text, "writing again gives the same text");
}

void CheckError(const DesignError& error, std::string_view input) {
    const auto lines = static_cast<int>(std::count(input.begin(), input.end(), '\n')) + 1;
    Check(error.Line >= 0 && error.Line <= lines, "a fault names a line of the input");
    Check(error.Text.empty() || input.find(error.Text) != std::string_view::npos,
          "a fault quotes text that is in the input");
    const std::string message = qor::DesignErrorMessage(error);
    Check(!message.empty() && !qor::FirstNonTextByte(message), "a fault's message is UTF-8 text");
}

// Fills a design from raw bytes, zeros past the end: per mechanism six doubles (a, b, the
// velocities and angles), four 32-bit lengths and two drive bytes (their value modulo 3). A set bit
// 2 of the first drive byte makes L3 equal L2, so that linkages which close are common.
Design RawDesign(std::string_view input) {
    std::string bytes(input.substr(0, 2 * (6 * 8 + 4 * 4 + 2)));
    bytes.resize(2 * (6 * 8 + 4 * 4 + 2), '\0');
    const char* at = bytes.data();
    const auto take = [&at](auto& value) {
        std::memcpy(&value, at, sizeof value);
        at += sizeof value;
    };
    Design design;
    for (MechanismDesign& m : design.Mechanisms) {
        for (double* value : {&m.a, &m.b, &m.Velocity1, &m.Velocity4, &m.fi0, &m.gamma0}) {
            take(*value);
        }
        for (int* length : {&m.L1, &m.L2, &m.L3, &m.L4}) {
            take(*length);
        }
        std::uint8_t drives[2];
        take(drives);
        m.Link1 = static_cast<qor::LinkDrive>(drives[0] % 3);
        m.Link4 = static_cast<qor::LinkDrive>(drives[1] % 3);
        if ((drives[0] & 4) != 0) {
            m.L3 = m.L2;
        }
    }
    return design;
}

void CheckWriter(const Design& design) {
    const qor::DesignOrError read = qor::ReadDesign(qor::WriteDesign(design));
    const bool accepted = std::all_of(design.Mechanisms.begin(), design.Mechanisms.end(), Accepted);
    if (accepted) {
        Check(std::holds_alternative<Design>(read) && std::get<Design>(read) == design,
              "an acceptable design written reads back as itself");
        return;
    }
    Check(std::holds_alternative<DesignError>(read), "an unacceptable design written is refused");
    const DesignErrorReason reason = std::get<DesignError>(read).Reason;
    Check(reason == DesignErrorReason::NotFinite || reason == DesignErrorReason::CouplersDiffer ||
              reason == DesignErrorReason::DoesNotClose,
          "a written design is refused only for what the dialog refuses");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const qor::DesignOrError read = qor::ReadDesign(input);
    if (const auto* design = std::get_if<Design>(&read)) {
        CheckDesign(*design);
    } else {
        CheckError(std::get<DesignError>(read), input);
    }
    CheckWriter(RawDesign(input));
    return 0;
}
