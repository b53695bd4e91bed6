// The example designs: each reads without a fault, says what it shows, and shows it.
#include "analysis/Cycle.h"
#include "design/DesignFile.h"
#include "design/DesignRecords.h"
#include "kinematics/Solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace {

using qor::Design;
using qor::LinkDrive;
using qor::MechanismDesign;

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Every example by its file name.
std::map<std::string, Design> Examples() {
    std::map<std::string, Design> examples;
    for (const auto& entry : std::filesystem::directory_iterator(QOR_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".qor") {
            continue;
        }
        const qor::DesignOrError read = qor::ReadDesign(FileText(entry.path()));
        const auto* design = std::get_if<Design>(&read);
        EXPECT_NE(design, nullptr) << entry.path() << " does not read";
        if (design != nullptr) {
            examples.emplace(entry.path().filename().string(), *design);
        }
    }
    return examples;
}

const Design& Example(const std::string& name) {
    static const std::map<std::string, Design> examples = Examples();
    static const Design none;
    const auto found = examples.find(name);
    EXPECT_NE(found, examples.end()) << name;
    return found == examples.end() ? none : found->second;
}

struct Point {
    double x;
    double y;
};

double Cross(Point o, Point a, Point b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool SegmentsCross(Point a, Point b, Point c, Point d) {
    const double abC = Cross(a, b, c);
    const double abD = Cross(a, b, d);
    const double cdA = Cross(c, d, a);
    const double cdB = Cross(c, d, b);
    return ((abC < 0 && abD > 0) || (abC > 0 && abD < 0)) &&
           ((cdA < 0 && cdB > 0) || (cdA > 0 && cdB < 0));
}

// How often the closed path of B over the drive's cycle crosses itself.
int SelfCrossingsOfB(const MechanismDesign& d, qor::MechanismPlane plane) {
    qor::Mechanism m = qor::MechanismOf(d, plane);
    qor::SolvePosition(m);
    const qor::Cycle cycle = qor::ComputeCycle(m);
    EXPECT_TRUE(cycle.Closed);
    EXPECT_EQ(cycle.RepeatsFrom, 0) << "the start lies on the cycle";
    std::vector<Point> path;
    for (const qor::CycleRow& row : cycle.Rows) {
        path.push_back({row.B.x, qor::SecondPlaneCoordinate(plane, row.B)});
    }
    const std::size_t n = path.size();
    int crossings = 0;
    for (std::size_t i = 0; i < n; ++i) {
        // Segment i joins point i to the next, the last one back to the first.
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) {
                continue; // neighbours through the closing segment
            }
            if (SegmentsCross(path[i], path[(i + 1) % n], path[j], path[(j + 1) % n])) {
                ++crossings;
            }
        }
    }
    return crossings;
}

TEST(Examples, EachReadsAndSaysWhatItShows) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QOR_EXAMPLES_DIR)) {
        SCOPED_TRACE(entry.path().string());
        ASSERT_EQ(entry.path().extension(), ".qor") << "examples/ holds designs only";
        ++count;
        const std::string text = FileText(entry.path());
        EXPECT_TRUE(std::holds_alternative<Design>(qor::ReadDesign(text)));
        // A comment line of its own beside the file's first line.
        std::istringstream lines(text);
        std::string line;
        int comments = 0;
        while (std::getline(lines, line)) {
            comments += line.starts_with("# ") && line != "# QOR design" ? 1 : 0;
        }
        EXPECT_GE(comments, 1);
    }
    EXPECT_GE(count, 5);
    EXPECT_LE(count, 6);
}

TEST(Examples, TheDefaultsAreTheDialogsFirstValues) {
    EXPECT_EQ(Example("defaults.qor"), Design{});
}

TEST(Examples, PointBDrawsAFigureOfEight) {
    const Design& d = Example("figure-eight.qor");
    EXPECT_EQ(SelfCrossingsOfB(d.Mechanisms[0], qor::MechanismPlane::Horizontal), 1);
    EXPECT_EQ(SelfCrossingsOfB(d.Mechanisms[1], qor::MechanismPlane::Vertical), 1);
}

TEST(Examples, BothLinksTurnAtDifferentSpeeds) {
    for (const MechanismDesign& m : Example("two-speeds.qor").Mechanisms) {
        EXPECT_NE(m.Link1, LinkDrive::Off);
        EXPECT_NE(m.Link4, LinkDrive::Off);
        EXPECT_NE(std::fabs(m.Velocity1), std::fabs(m.Velocity4));
    }
}

TEST(Examples, TheEdgeOfTheClosingRuleIsAnEquality) {
    for (const MechanismDesign& m : Example("edge-of-closing.qor").Mechanisms) {
        EXPECT_EQ(m.L1 + m.L4 + std::sqrt(m.a * m.a + m.b * m.b), m.L2 + m.L3);
    }
}

TEST(Examples, TheLargeOneHasLinksOf10) {
    for (const MechanismDesign& m : Example("large.qor").Mechanisms) {
        EXPECT_EQ(m.L2, 10);
        EXPECT_EQ(m.L3, 10);
    }
}

TEST(Examples, TheFourBarDrivesLink1Only) {
    for (const MechanismDesign& m : Example("four-bar.qor").Mechanisms) {
        EXPECT_NE(m.Link1, LinkDrive::Off);
        EXPECT_EQ(m.Link4, LinkDrive::Off);
    }
}

} // namespace
