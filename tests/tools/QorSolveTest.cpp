// qor-solve as a user runs it: its output, its tables and its exit codes.
#include "analysis/Cycle.h"
#include "analysis/CycleCsv.h"
#include "kinematics/Angles.h"
#include "kinematics/Solver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

ToolRun Solve(const std::string& args) {
    const std::string base = testing::TempDir() + "qor-solve-" + std::to_string(getpid());
    const std::string command =
        std::string(QOR_SOLVE_PATH) + " " + args + " >" + base + ".out 2>" + base + ".err";
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(base + ".out");
    run.err = Slurp(base + ".err");
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(QorSolve, PrintsTheSolvedStateInFullPrecision) {
    const ToolRun run = Solve("--a 3 --b 0 --l1 3 --l2 6 --l3 6 --l4 3 --fi 30 --gamma 0");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    qor::Mechanism m;
    m.Plane = qor::MechanismPlane::Vertical;
    m.a = 3;
    m.L1 = m.L4 = 3;
    m.L2 = m.L3 = 6;
    m.Fi = static_cast<double>(qor::DegToRad(30));
    qor::SolvePosition(m);
    const std::pair<const char*, double> expected[] = {
        {"fi", static_cast<double>(qor::RadToDeg(m.Fi))},
        {"gamma", 0.0},
        {"psi", static_cast<double>(qor::RadToDeg(m.Psi))},
        {"ksi", static_cast<double>(qor::RadToDeg(m.Ksi))},
        {"joint12_x", m.Joint12.x},
        {"joint12_y", m.Joint12.y},
        {"b_x", m.B.x},
        {"b_y", m.B.y},
        {"joint43_x", m.Joint43.x},
        {"joint43_y", m.Joint43.y},
    };
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), std::size(expected));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::istringstream line(lines[i]);
        std::string name;
        std::string text;
        line >> name >> text;
        EXPECT_EQ(name, expected[i].first);
        // Seventeen significant digits read back as the very same double.
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), expected[i].second) << lines[i];
    }
    // The position itself, to the two decimals a student reads off the window.
    EXPECT_NEAR(m.B.x, 6.60, 0.005);
    EXPECT_NEAR(m.B.y, 5.97, 0.005);
}

TEST(QorSolve, AcceptsOptionsWithAnEqualsSignAndDefaultsTheRest) {
    const ToolRun spaced = Solve("--fi 30");
    const ToolRun joined = Solve("--fi=30");
    ASSERT_EQ(joined.status, 0) << joined.err;
    EXPECT_EQ(joined.out, spaced.out);
    EXPECT_EQ(Lines(Solve("").out)[6], "b_x 4.5");
}

TEST(QorSolve, SweepsOneTurnOfLinkOneAsTheProgramSteps) {
    const ToolRun run = Solve("--sweep-fi 1");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 10u + 1u + 1u + 360u);
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[11], "fi,gamma,psi,ksi,xB,yB");
    EXPECT_EQ(lines[12].substr(0, 4), "0,0,");
    const auto fiOf = [&](std::size_t row) {
        return std::strtod(lines[12 + row].c_str(), nullptr);
    };
    EXPECT_NEAR(fiOf(1), 1.0, 1e-12);
    EXPECT_NEAR(fiOf(358), 358.0, 1e-9);
    EXPECT_EQ(fiOf(359), 0.0) << "the driven angle wraps once it reaches 359 degrees";
    EXPECT_EQ(lines[12 + 359], lines[12]) << "after the wrap the linkage is back at its start";
}

TEST(QorSolve, SweepsBackwardsWithANegativeStep) {
    const ToolRun run = Solve("--fi 10 --sweep-fi -90");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 10u + 2u + 4u);
    EXPECT_NEAR(std::strtod(lines[15].c_str(), nullptr), -260.0, 1e-9);
}

struct CycleCall {
    const char* name;
    const char* args;
    qor::MechanismPlane plane;
    double a, b, l1, l2, l4, fi, gamma, v1, v4; // lengths in cm, angles and steps in degrees
    qor::CsvStyle style;
};

const CycleCall cycleCalls[] = {
    {"DefaultLinkageOnTheFloor",
     "--a 3 --b 0 --l1 3 --l2 6 --l3 6 --l4 3 --fi 0 --gamma 0 --v1 1 --v4 0 --cycle",
     qor::MechanismPlane::Horizontal, 3, 0, 3, 6, 3, 0, 0, 1, 0, qor::CsvStyle::Comma},
    {"OffsetPivotOnTheWall",
     "--cycle --mechanism 2 --a 2 --b 1 --l1 2 --l2 5 --l3 5 --l4 3 --fi 15 --gamma -42 --v4 -5",
     qor::MechanismPlane::Vertical, 2, 1, 2, 5, 3, 15, -42, 0, -5, qor::CsvStyle::Comma},
    {"LeadInWithBothLinksInSemicolons",
     "--cycle --fi 30 --v1=-1 --v4 2 --mechanism=1 --csv-style semicolon",
     qor::MechanismPlane::Horizontal, 3, 0, 3, 6, 3, 30, 0, -1, 2, qor::CsvStyle::Semicolon},
};

class QorSolveCycle : public testing::TestWithParam<CycleCall> {};

// The tool prints the very bytes the library writes for the record the program would hold: the
// linkage solved at its initial angles, with the steps the direction buttons give.
TEST_P(QorSolveCycle, PrintsTheLibrarysTableAndNothingElse) {
    const CycleCall& c = GetParam();
    qor::Mechanism m;
    m.Plane = c.plane;
    m.a = c.a;
    m.b = c.b;
    m.L1 = c.l1;
    m.L2 = m.L3 = c.l2;
    m.L4 = c.l4;
    m.Fi = static_cast<double>(qor::DegToRad(c.fi));
    m.Gamma = static_cast<double>(qor::DegToRad(c.gamma));
    m.dFi = static_cast<double>(qor::DegToRad(c.v1));
    m.dGamma = static_cast<double>(qor::DegToRad(c.v4));
    qor::SolvePosition(m);
    const qor::Cycle cycle = qor::ComputeCycle(m);
    ASSERT_TRUE(cycle.Closed);

    const ToolRun run = Solve(c.args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, qor::CycleCsv(cycle, c.style));
    EXPECT_EQ(Lines(run.out).size(), 1 + cycle.Rows.size());
}

INSTANTIATE_TEST_SUITE_P(Calls, QorSolveCycle, testing::ValuesIn(cycleCalls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QorSolve, PrintsTheFirstRowsOfADriveThatDoesNotComeRound) {
    const ToolRun run = Solve("--cycle --v1 0.001");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u + qor::MaxCycleSteps);
    EXPECT_EQ(lines.back().substr(0, 6), "99999,");
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find("within 100000 steps"), std::string::npos) << run.err;
}

struct BadCall {
    const char* name;
    const char* args;
    const char* message; // part of the one-line error
};

const BadCall badCalls[] = {
    {"UnequalCouplers", "--l3 7", "L2 = L3"},
    {"CouplersTooShort", "--a 10", "L1 + L4 + sqrt(a*a + b*b) <= L2 + L3"},
    {"NotANumber", "--l1 abc", "--l1 needs a number, got 'abc'"},
    {"CommaDecimal", "--a 1,5", "--a needs a number, got '1,5'"},
    {"TrailingText", "--gamma 10deg", "--gamma needs a number"},
    {"Infinity", "--b inf", "--b needs a number"},
    {"MissingValue", "--fi", "--fi needs a number"},
    {"UnknownOption", "--speed 3", "unknown option '--speed'"},
    {"ZeroLength", "--l1 0", "link lengths must be positive"},
    {"NegativeLength", "--l4 -3", "link lengths must be positive"},
    {"ZeroSweepStep", "--sweep-fi 0", "--sweep-fi needs a step other than 0"},
    {"TinySweepStep", "--sweep-fi 1e-9", "too small"},
    {"CycleWithoutADrivenLink", "--cycle --v1 0 --v4 0", "--cycle needs a driven link"},
    {"CycleOfALinkageThatCannotClose", "--cycle --v1 1 --a 10", "L1 + L4 + sqrt(a*a + b*b)"},
    {"StepWithoutCycle", "--v4 1", "--v4 only applies with --cycle"},
    {"PlaneWithoutCycle", "--mechanism 2", "--mechanism only applies with --cycle"},
    {"UnknownMechanism", "--cycle --v1 1 --mechanism 3", "--mechanism needs 1 or 2, got '3'"},
    {"UnknownCsvStyle", "--cycle --v1 1 --csv-style=tab",
     "--csv-style needs comma or semicolon, got 'tab'"},
    {"MissingWord", "--cycle --v1 1 --csv-style", "--csv-style needs a value"},
    {"CycleAndSweep", "--cycle --v1 1 --sweep-fi 1", "choose one"},
};

class QorSolveRefuses : public testing::TestWithParam<BadCall> {};

TEST_P(QorSolveRefuses, WithOneClearLineAndStatusTwo) {
    const BadCall& c = GetParam();
    const ToolRun run = Solve(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Calls, QorSolveRefuses, testing::ValuesIn(badCalls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QorSolve, DescribesItselfOnHelp) {
    const ToolRun run = Solve("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* option :
         {"--a", "--b", "--l1", "--l2", "--l3", "--l4", "--fi", "--gamma", "--sweep-fi", "--cycle",
          "--v1", "--v4", "--mechanism", "--csv-style"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
}

} // namespace
