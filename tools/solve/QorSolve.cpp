// qor-solve: the solved position of one linkage, a table over one turn of link 1, or the table
// of a drive's whole cycle, for preparing tables and checking homework without the 3D window.
#include "analysis/Cycle.h"
#include "analysis/CycleCsv.h"
#include "kinematics/Angles.h"
#include "kinematics/ClosingRule.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "kinematics/Stepping.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int ExitUsage = 2;

// A sweep with a step so small that it would print more rows than this is refused.
constexpr double MaxSweepRows = 3.6e6;

const char* const Usage = R"(Usage: qor-solve [options]

Solves one five-bar linkage at the given driven angles and prints its state, one
"name value" per line: fi, gamma, psi, ksi (degrees), joint12_x, joint12_y, b_x,
b_y, joint43_x, joint43_y (the linkage's plane coordinates, origin at link 1's
fixed pivot, in the unit of the lengths).

Options (numbers with a decimal point; defaults are those of the program's
parameter dialog):
  --a X          first coordinate of link 4's fixed pivot (default 3)
  --b Y          second coordinate of link 4's fixed pivot (default 0)
  --l1 L         length of link 1, the driven link at pivot 1 (default 3)
  --l2 L         length of link 2 (default 6)
  --l3 L         length of link 3; must equal --l2 (default 6)
  --l4 L         length of link 4, the driven link at pivot 4 (default 3)
  --fi DEG       angle of link 1 (default 0)
  --gamma DEG    angle of link 4 (default 0)
  --sweep-fi DEG after the state, an empty line and a CSV table over one turn of
                 link 1: a header, then one row per position (fi, gamma, psi, ksi,
                 xB, yB), starting at --fi and stepping by DEG as the running
                 program does (a driven angle that reaches 359 degrees wraps to 0)
  --cycle        instead of the state, the table of the drive's cycle as the
                 program's cycle window saves it: a header, then one row per
                 position (step, Fi, Psi, Ksi, Gamma in degrees, xB, yB, zB in
                 the scene's coordinates as the window's read-outs show them,
                 the transmission angle at B in degrees), from the start (step 0)
                 to the last position before the driven angles come round to a
                 pair they have passed through, at most 100000 rows
  --v1 DEG       with --cycle: the signed step of link 1 (default 0, not driven)
  --v4 DEG       with --cycle: the signed step of link 4 (default 0, not driven)
  --mechanism N  with --cycle: 1, the floor's horizontal plane (default), or
                 2, the wall's vertical plane
  --csv-style S  with --cycle: comma ("," between fields, "." decimals, the
                 default) or semicolon (";" between fields, "," decimals)
  --help         this text

Lengths are positive reals. The linkage must close at every position:
L2 = L3 and L1 + L4 + sqrt(a*a + b*b) <= L2 + L3.
--cycle needs a driven link: --v1 or --v4 other than 0.
Exit status: 0 solved, 2 bad options or a linkage that cannot close.
)";

struct Options {
    double a = 3, b = 0, l1 = 3, l2 = 6, l3 = 6, l4 = 3, fi = 0, gamma = 0, v1 = 0, v4 = 0;
    std::optional<double> sweepStep;
    bool help = false;
    bool cycle = false;
    qor::MechanismPlane plane = qor::MechanismPlane::Horizontal;
    qor::CsvStyle style = qor::CsvStyle::Comma;
    // The first option given that only means something with --cycle, if any.
    std::string cycleOnly;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "qor-solve: %s\n", message.c_str());
    return ExitUsage;
}

// A finite number in C notation, the whole text and nothing else.
std::optional<double> ParseNumber(const std::string& text) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (errno == ERANGE || end != text.c_str() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double* Field(Options& o, std::string_view name) {
    struct Entry {
        std::string_view name;
        double Options::*field;
    };
    static const Entry entries[] = {
        {"--a", &Options::a},   {"--b", &Options::b},         {"--l1", &Options::l1},
        {"--l2", &Options::l2}, {"--l3", &Options::l3},       {"--l4", &Options::l4},
        {"--fi", &Options::fi}, {"--gamma", &Options::gamma}, {"--v1", &Options::v1},
        {"--v4", &Options::v4},
    };
    for (const Entry& e : entries) {
        if (e.name == name) {
            return &(o.*e.field);
        }
    }
    return nullptr;
}

bool IsCycleOnly(std::string_view name) {
    return name == "--v1" || name == "--v4" || name == "--mechanism" || name == "--csv-style";
}

// Reads the value of an option that takes a word; on error returns its message.
std::optional<std::string> SetWordOption(Options& o, const std::string& name,
                                         const std::string& value) {
    if (name == "--mechanism") {
        if (value != "1" && value != "2") {
            return "--mechanism needs 1 or 2, got '" + value + "'";
        }
        o.plane = value == "1" ? qor::MechanismPlane::Horizontal : qor::MechanismPlane::Vertical;
    } else {
        if (value != "comma" && value != "semicolon") {
            return "--csv-style needs comma or semicolon, got '" + value + "'";
        }
        o.style = value == "comma" ? qor::CsvStyle::Comma : qor::CsvStyle::Semicolon;
    }
    return std::nullopt;
}

// Parses the command line into options; on error prints it and returns nullopt.
std::optional<Options> ParseOptions(int argc, char** argv, int& status) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        if (arg == "--cycle") {
            o.cycle = true;
            continue;
        }
        std::string value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
            value = arg.substr(eq + 1);
            arg.resize(eq);
            hasValue = true;
        }
        double* field = Field(o, arg);
        const bool word = arg == "--mechanism" || arg == "--csv-style";
        if (field == nullptr && !word && arg != "--sweep-fi") {
            status = Fail("unknown option '" + arg + "' (see --help)");
            return std::nullopt;
        }
        if (!hasValue) {
            if (i + 1 >= argc) {
                status = Fail(arg + (word ? " needs a value" : " needs a number"));
                return std::nullopt;
            }
            value = argv[++i];
        }
        if (IsCycleOnly(arg) && o.cycleOnly.empty()) {
            o.cycleOnly = arg;
        }
        if (word) {
            if (const std::optional<std::string> error = SetWordOption(o, arg, value)) {
                status = Fail(*error);
                return std::nullopt;
            }
            continue;
        }
        const std::optional<double> number = ParseNumber(value);
        if (!number) {
            status = Fail(arg + " needs a number, got '" + value + "'");
            return std::nullopt;
        }
        if (field != nullptr) {
            *field = *number;
        } else {
            o.sweepStep = *number;
        }
    }
    return o;
}

// Full double precision; a negative zero prints as 0.
void PrintValue(const char* name, double value) {
    std::printf("%s %.17g\n", name, value + 0.0);
}

double Degrees(double radians) {
    return static_cast<double>(qor::RadToDeg(radians));
}

double Second(const qor::Mechanism& m, const qor::Point3& p) {
    return qor::SecondPlaneCoordinate(m.Plane, p);
}

void PrintState(const qor::Mechanism& m) {
    PrintValue("fi", Degrees(m.Fi));
    PrintValue("gamma", Degrees(m.Gamma));
    PrintValue("psi", Degrees(m.Psi));
    PrintValue("ksi", Degrees(m.Ksi));
    PrintValue("joint12_x", m.Joint12.x);
    PrintValue("joint12_y", Second(m, m.Joint12));
    PrintValue("b_x", m.B.x);
    PrintValue("b_y", Second(m, m.B));
    PrintValue("joint43_x", m.Joint43.x);
    PrintValue("joint43_y", Second(m, m.Joint43));
}

void PrintRow(const qor::Mechanism& m) {
    std::printf("%.17g,%.17g,%.17g,%.17g,%.17g,%.17g\n", Degrees(m.Fi) + 0.0,
                Degrees(m.Gamma) + 0.0, Degrees(m.Psi) + 0.0, Degrees(m.Ksi) + 0.0, m.B.x + 0.0,
                Second(m, m.B) + 0.0);
}

double Radians(double degrees) {
    return static_cast<double>(qor::DegToRad(degrees));
}

// The record as the program holds it after a new construction with these entries: solved at its
// initial angles, the steps set as the direction buttons set them.
qor::Mechanism Linkage(const Options& o, qor::MechanismPlane plane) {
    qor::Mechanism m;
    m.Plane = plane;
    m.a = o.a;
    m.b = o.b;
    m.L1 = o.l1;
    m.L2 = o.l2;
    m.L3 = o.l3;
    m.L4 = o.l4;
    m.Velocity1 = std::fabs(Radians(o.v1));
    m.Velocity4 = std::fabs(Radians(o.v4));
    m.dFi = Radians(o.v1);
    m.dGamma = Radians(o.v4);
    m.Fi = Radians(o.fi);
    m.Gamma = Radians(o.gamma);
    qor::SolvePosition(m);
    return m;
}

int PrintCycle(const Options& o) {
    const qor::Cycle cycle = qor::ComputeCycle(Linkage(o, o.plane));
    const std::string table = qor::CycleCsv(cycle, o.style);
    std::fwrite(table.data(), 1, table.size(), stdout);
    if (!cycle.Closed) {
        std::fprintf(stderr,
                     "qor-solve: the drive does not come back to a position it passed through "
                     "within %d steps; the table holds the first %d\n",
                     qor::MaxCycleSteps, qor::MaxCycleSteps);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    const std::optional<Options> parsed = ParseOptions(argc, argv, status);
    if (!parsed) {
        return status;
    }
    const Options& o = *parsed;
    if (o.help) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (o.l1 <= 0 || o.l2 <= 0 || o.l3 <= 0 || o.l4 <= 0) {
        return Fail("link lengths must be positive");
    }
    if (!qor::ClosesAtEveryPosition(o.a, o.b, o.l1, o.l2, o.l3, o.l4)) {
        return Fail("this linkage cannot close at every position: it needs L2 = L3 and "
                    "L1 + L4 + sqrt(a*a + b*b) <= L2 + L3");
    }
    if (!o.cycle && !o.cycleOnly.empty()) {
        return Fail(o.cycleOnly + " only applies with --cycle");
    }
    if (o.cycle) {
        if (o.sweepStep) {
            return Fail("--cycle and --sweep-fi print different tables; choose one");
        }
        if (o.v1 == 0 && o.v4 == 0) {
            return Fail("--cycle needs a driven link: give --v1 or --v4 a step other than 0");
        }
        return PrintCycle(o);
    }
    double rows = 0;
    if (o.sweepStep) {
        if (*o.sweepStep == 0) {
            return Fail("--sweep-fi needs a step other than 0");
        }
        rows = std::ceil(360.0 / std::fabs(*o.sweepStep));
        if (rows > MaxSweepRows) {
            return Fail("--sweep-fi step is too small: one turn would take more than 3600000 rows");
        }
    }

    qor::Mechanism m = Linkage(o, qor::MechanismPlane::Vertical);
    PrintState(m);

    if (o.sweepStep) {
        m.dFi = static_cast<double>(qor::DegToRad(*o.sweepStep));
        std::printf("\nfi,gamma,psi,ksi,xB,yB\n");
        PrintRow(m);
        for (long row = 1; row < static_cast<long>(rows); ++row) {
            qor::AccumulateAngles(m);
            qor::SolvePosition(m);
            PrintRow(m);
        }
    }
    return 0;
}
