// Between designs and records: the dialog's conversions, the steps of the drives, and degrees
// that come back as they were typed.
#include "design/DesignRecords.h"

#include "kinematics/Angles.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace {

using qor::LinkDrive;
using qor::Mechanism;
using qor::MechanismDesign;
using qor::MechanismPlane;

double Radians(double degrees) {
    return static_cast<double>(qor::DegToRad(degrees));
}

TEST(MechanismOf, ConvertsLikeTheDialogAndStartsStill) {
    const MechanismDesign d{-1.5,           2.25,          2, 7, 7, 3, 0.5, -3, 30, -120,
                            LinkDrive::Off, LinkDrive::Off};
    const Mechanism m = qor::MechanismOf(d, MechanismPlane::Vertical);
    EXPECT_EQ(m.Plane, MechanismPlane::Vertical);
    EXPECT_EQ(m.a, -1.5);
    EXPECT_EQ(m.b, 2.25);
    EXPECT_EQ(m.L1, 2.0);
    EXPECT_EQ(m.L2, 7.0);
    EXPECT_EQ(m.L3, 7.0);
    EXPECT_EQ(m.L4, 3.0);
    EXPECT_EQ(m.Velocity1, Radians(0.5));
    EXPECT_EQ(m.Velocity4, Radians(-3));
    EXPECT_EQ(m.Fi, Radians(30));
    EXPECT_EQ(m.Gamma, Radians(-120));
    EXPECT_EQ(m.dFi, 0.0);
    EXPECT_EQ(m.dGamma, 0.0);
    EXPECT_EQ(m.Psi, 0.0);
    EXPECT_EQ(m.Ksi, 0.0);
    EXPECT_FALSE(m.Running);
}

TEST(MechanismOf, SetsEachStepFromItsOwnDrive) {
    struct Case {
        const char* name;
        LinkDrive link1;
        LinkDrive link4;
        double dFi;    // in units of Velocity1
        double dGamma; // in units of Velocity4
    };
    const Case cases[] = {
        {"both off", LinkDrive::Off, LinkDrive::Off, 0, 0},
        {"link 1 forwards", LinkDrive::Plus, LinkDrive::Off, 1, 0},
        {"link 4 backwards", LinkDrive::Off, LinkDrive::Minus, 0, -1},
        {"opposite directions", LinkDrive::Minus, LinkDrive::Plus, -1, 1},
        {"both forwards", LinkDrive::Plus, LinkDrive::Plus, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MechanismDesign d;
        d.Velocity1 = 2;
        d.Velocity4 = -5;
        d.Link1 = c.link1;
        d.Link4 = c.link4;
        const Mechanism m = qor::MechanismOf(d, MechanismPlane::Horizontal);
        EXPECT_EQ(m.dFi, c.dFi * Radians(2));
        EXPECT_EQ(m.dGamma, c.dGamma * Radians(-5));
    }
}

TEST(DegreesOf, GivesBackTheTypedDegreesOfEveryWholeAndDecimalAngle) {
    // Every whole degree of two turns either way, and steps of a tenth and a hundredth.
    for (int tenths = -7200; tenths <= 7200; ++tenths) {
        for (double degrees : {tenths / 10.0, tenths / 100.0, static_cast<double>(tenths)}) {
            const double radians = Radians(degrees);
            ASSERT_EQ(qor::DegreesOf(radians), degrees) << degrees;
        }
    }
}

TEST(DesignOf, MakesTheDesignARecordWasMadeFrom) {
    const MechanismDesign designs[] = {
        MechanismDesign{},
        {-2.5, 0.1, -1, 5, 5, 2, 0.3, 1.7, 30, 359.9, LinkDrive::Plus, LinkDrive::Minus},
        {3, 4, 1, 4, 4, 2, -12.25, 0, -45, 1e-5, LinkDrive::Minus, LinkDrive::Off},
    };
    for (const MechanismDesign& d : designs) {
        const Mechanism m = qor::MechanismOf(d, MechanismPlane::Horizontal);
        EXPECT_EQ(qor::DesignOf(m, d.Link1, d.Link4), d);
    }
}

TEST(DesignOf, KeepsTheDriveOfATickedLinkThatDoesNotMove) {
    MechanismDesign d;
    d.Velocity1 = 0;
    d.Link1 = LinkDrive::Minus;
    const Mechanism m = qor::MechanismOf(d, MechanismPlane::Horizontal);
    EXPECT_EQ(m.dFi, 0.0);
    EXPECT_EQ(qor::DesignOf(m, LinkDrive::Minus, LinkDrive::Off).Link1, LinkDrive::Minus);
}

TEST(DesignOf, RefusesLengthsTheDialogCannotGive) {
    for (double length : {2.5, 3e9, -3e9, std::numeric_limits<double>::quiet_NaN()}) {
        Mechanism m = qor::MechanismOf(MechanismDesign{}, MechanismPlane::Horizontal);
        m.L4 = length;
        EXPECT_THROW(qor::DesignOf(m, LinkDrive::Off, LinkDrive::Off), std::invalid_argument)
            << length;
    }
}

} // namespace
