// The cycle's table: number text, header, rows against the solver, and both separator styles
// read back by an RFC 4180 reader.
#include "CsvReader.h"
#include "Linkages.h"

#include "analysis/CycleCsv.h"
#include "analysis/Transmission.h"
#include "kinematics/Solver.h"
#include "kinematics/Stepping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>

namespace {

using qor::CsvStyle;
using qor::Cycle;
using qor::Mechanism;
using qor::MechanismPlane;
using qor::test::CsvRecords;
using qor::test::DefaultLinkage;
using qor::test::Degrees;
using qor::test::DrivenLinkage;
using qor::test::ReadCsv;

constexpr std::size_t Columns = 9;

// The whole field as a double written with "." decimals, or NaN when it is not one.
double Number(const std::string& field) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return value;
}

CsvRecords Read(const std::string& text, char separator) {
    const std::optional<CsvRecords> records = ReadCsv(text, separator);
    EXPECT_TRUE(records.has_value());
    return records.value_or(CsvRecords{});
}

struct NumberCase {
    double value;
    char decimalPoint;
    const char* text;
};

TEST(AppendCsvNumber, WritesTheShortestTextThatReadsBackTheSameDouble) {
    const NumberCase cases[] = {
        {0.1, '.', "0.1"},
        {4.5, ',', "4,5"},
        {-0.0, '.', "0"},
        {-0.0, ',', "0"},
        {100, '.', "100"},
        {-1.0 / 3.0, '.', "-0.3333333333333333"},
        {0.1 + 0.2, ',', "0,30000000000000004"},
        {1e-300, '.', "1e-300"},
        {-2.5e-15, ',', "-2,5e-15"},
        {std::nextafter(359.0, 0.0), '.', "358.99999999999994"},
    };
    for (const NumberCase& c : cases) {
        std::string out = "x";
        qor::AppendCsvNumber(out, c.value, c.decimalPoint);
        EXPECT_EQ(out, std::string("x") + c.text) << c.value;
    }
}

TEST(CycleCsv, HasTheSameHeaderInBothStylesAndOnlyItWithoutADrive) {
    const Cycle still = qor::ComputeCycle(DefaultLinkage(0, 0, 0, 0));
    EXPECT_EQ(qor::CycleCsv(still),
              "step,Fi_deg,Psi_deg,Ksi_deg,Gamma_deg,xB_cm,yB_cm,zB_cm,transmission_deg\n");
    EXPECT_EQ(qor::CycleCsv(still, CsvStyle::Semicolon),
              "step;Fi_deg;Psi_deg;Ksi_deg;Gamma_deg;xB_cm;yB_cm;zB_cm;transmission_deg\n");
}

struct LinkageCase {
    const char* name;
    Mechanism start;
    std::size_t rows;
};

// The default linkage and two others, on the floor and on the wall. The row counts follow from
// the wrap at 359 degrees (see CycleTest.cpp); a lead-in whose angles are off the cycle's grid
// never meets the cycle.
const LinkageCase linkageCases[] = {
    {"Defaults", DefaultLinkage(0, 0, 1, 0), 359},
    // Link 4 alone at -5 degrees from -42: 64 steps to -362 <= -359, where it wraps to 0; then 72
    // steps from 0 to -355 repeat (5·72 = 360).
    {"OffsetPivotOnTheWall", DrivenLinkage(2, 1, 2, 5, 3, 15, -42, 0, -5, MechanismPlane::Vertical),
     64 + 72},
    // Link 1 at 12 degrees from 100: 22 steps to 364, then a cycle of 30 (12·30 = 360); link 4
    // at 30 degrees from 0 comes round every 12 (30·12 = 360); together every 60.
    {"NegativeOffsetBothLinks", DrivenLinkage(-1, 2, 1, 4, 2, 100, 0, 12, 30), 22 + 60},
};

class CsvAgainstTheSolver : public testing::TestWithParam<LinkageCase> {};

// Every field reads back as the very double the solver gives after the same advances.
TEST_P(CsvAgainstTheSolver, EveryFieldToTheLastDigit) {
    const LinkageCase& c = GetParam();
    const CsvRecords records = Read(qor::CycleCsv(qor::ComputeCycle(c.start)), ',');
    ASSERT_EQ(records.size(), 1 + c.rows);

    Mechanism m = c.start;
    for (std::size_t step = 0; step < c.rows; ++step) {
        if (step > 0) {
            qor::AccumulateAngles(m);
            qor::SolvePosition(m);
        }
        const std::vector<std::string>& f = records[1 + step];
        ASSERT_EQ(f.size(), Columns);
        const double want[Columns] = {
            static_cast<double>(step),
            Degrees(m.Fi),
            Degrees(m.Psi),
            Degrees(m.Ksi),
            Degrees(m.Gamma),
            m.B.x,
            m.B.y,
            -m.B.z,
            Degrees(qor::TransmissionAngle(m)),
        };
        for (std::size_t i = 0; i < Columns; ++i) {
            ASSERT_EQ(Number(f[i]), want[i]) << "step " << step << ", " << records[0][i];
        }
        // The read-outs' B: the floor's y and the wall's z are plain zeros.
        ASSERT_EQ(f[m.Plane == MechanismPlane::Horizontal ? 6 : 7], "0");
        ASSERT_NEAR(Number(f[8]), Degrees(qor::test::LawOfCosinesTransmission(m)), 1e-5);
    }
}

INSTANTIATE_TEST_SUITE_P(Linkages, CsvAgainstTheSolver, testing::ValuesIn(linkageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Written in either style and read back as a spreadsheet reads it, the table holds the same
// numbers: the separators never meet inside a field.
TEST(CycleCsv, RoundTripsInBothStyles) {
    const Cycle cycle = qor::ComputeCycle(DrivenLinkage(2, 1, 2, 5, 3, 15, -40, 3, -5));
    const CsvRecords comma = Read(qor::CycleCsv(cycle, CsvStyle::Comma), ',');
    const CsvRecords semicolon = Read(qor::CycleCsv(cycle, CsvStyle::Semicolon), ';');
    ASSERT_EQ(comma.size(), 1 + cycle.Rows.size());
    ASSERT_EQ(semicolon.size(), comma.size());
    EXPECT_EQ(comma[0], semicolon[0]);
    for (std::size_t r = 1; r < comma.size(); ++r) {
        ASSERT_EQ(comma[r].size(), Columns);
        ASSERT_EQ(semicolon[r].size(), Columns);
        const qor::CycleRow& row = cycle.Rows[r - 1];
        const double want[] = {Degrees(row.Fi), Degrees(row.Psi), row.B.x, -row.B.z};
        const std::size_t column[] = {1, 2, 5, 7};
        for (std::size_t i = 0; i < std::size(want); ++i) {
            ASSERT_EQ(Number(comma[r][column[i]]), want[i]);
        }
        for (std::size_t i = 0; i < Columns; ++i) {
            std::string decimalComma = semicolon[r][i];
            ASSERT_EQ(decimalComma.find('.'), std::string::npos) << decimalComma;
            std::replace(decimalComma.begin(), decimalComma.end(), ',', '.');
            ASSERT_EQ(decimalComma, comma[r][i]);
        }
    }
}

// A long table goes out in pieces: the pieces join to the same text, in both styles.
TEST(WriteCycleCsv, WritesTheSameBytesAsTheWholeText) {
    const Cycle cycle = qor::ComputeCycle(DefaultLinkage(0, 0, 1, 2, MechanismPlane::Vertical));
    ASSERT_EQ(cycle.Rows.size(), 64620u);
    for (CsvStyle style : {CsvStyle::Comma, CsvStyle::Semicolon}) {
        std::ostringstream out;
        qor::WriteCycleCsv(out, cycle, style);
        EXPECT_EQ(out.str(), qor::CycleCsv(cycle, style));
    }
}

TEST(ReadCsv, ReadsQuotedFieldsAndBothLineEnds) {
    const std::optional<CsvRecords> records =
        ReadCsv("a;\"b;c\";\"say \"\"hi\"\"\"\r\n\"two\nlines\";;x\n1;2;3", ';');
    ASSERT_TRUE(records);
    const CsvRecords want = {{"a", "b;c", "say \"hi\""}, {"two\nlines", "", "x"}, {"1", "2", "3"}};
    EXPECT_EQ(*records, want);
    EXPECT_FALSE(ReadCsv("a,\"open\n", ','));
    EXPECT_FALSE(ReadCsv("\"closed\"text,b\n", ','));
}

} // namespace
