// qor-solve: the solved position of one linkage, or a table over one turn of link 1, for
// preparing tables and checking homework without the 3D window.
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
  --help         this text

Lengths are positive reals. The linkage must close at every position:
L2 = L3 and L1 + L4 + sqrt(a*a + b*b) <= L2 + L3.
Exit status: 0 solved, 2 bad options or a linkage that cannot close.
)";

struct Options {
    double a = 3, b = 0, l1 = 3, l2 = 6, l3 = 6, l4 = 3, fi = 0, gamma = 0;
    std::optional<double> sweepStep;
    bool help = false;
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
        {"--fi", &Options::fi}, {"--gamma", &Options::gamma},
    };
    for (const Entry& e : entries) {
        if (e.name == name) {
            return &(o.*e.field);
        }
    }
    return nullptr;
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
        std::string value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
            value = arg.substr(eq + 1);
            arg.resize(eq);
            hasValue = true;
        }
        double* field = Field(o, arg);
        if (field == nullptr && arg != "--sweep-fi") {
            status = Fail("unknown option '" + arg + "' (see --help)");
            return std::nullopt;
        }
        if (!hasValue) {
            if (i + 1 >= argc) {
                status = Fail(arg + " needs a number");
                return std::nullopt;
            }
            value = argv[++i];
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

    qor::Mechanism m;
    m.Plane = qor::MechanismPlane::Vertical;
    m.a = o.a;
    m.b = o.b;
    m.L1 = o.l1;
    m.L2 = o.l2;
    m.L3 = o.l3;
    m.L4 = o.l4;
    m.Fi = static_cast<double>(qor::DegToRad(o.fi));
    m.Gamma = static_cast<double>(qor::DegToRad(o.gamma));
    qor::SolvePosition(m);
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
