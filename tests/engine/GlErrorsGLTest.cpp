// The check that the GL tests make after drawing: it reads what a wrong call left in the
// engine's context, names it, clears it, and stays quiet after correct drawing.
#include "GlScene.h"

#include "../support/GlErrors.h"
#include "engine/GlContext.h"

#include <QOpenGLFunctions_3_3_Core>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qor {
namespace {

struct WrongCall {
    const char* name;
    std::function<void(QOpenGLFunctions_3_3_Core&)> call;
    std::uint32_t error;
};

void PrintTo(const WrongCall& c, std::ostream* os) {
    *os << c.name;
}

// Makes the call in the engine's context, as the engine's drawing would.
void CallInTheEnginesContext(const std::function<void(QOpenGLFunctions_3_3_Core&)>& call) {
    GlContext* context = GlContext::Instance();
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(context->MakeCurrent());
    call(context->Gl());
}

const WrongCall kWrongCalls[] = {
    {"NoSuchCapability", [](QOpenGLFunctions_3_3_Core& gl) { gl.glEnable(0x1234); },
     GL_INVALID_ENUM},
    {"NegativeLineWidth", [](QOpenGLFunctions_3_3_Core& gl) { gl.glLineWidth(-1); },
     GL_INVALID_VALUE},
    {"EndingAQueryThatNeverBegan",
     [](QOpenGLFunctions_3_3_Core& gl) { gl.glEndQuery(GL_SAMPLES_PASSED); }, GL_INVALID_OPERATION},
};

class GlErrorKinds : public ::testing::TestWithParam<WrongCall> {};

TEST_P(GlErrorKinds, AreNamedAndClearedByTheCheck) {
    test::GlScene s;
    ASSERT_TRUE(s.Ok());
    s.AddModel(test::BoxX(1, {}), 0, 0, 5);
    EXPECT_NO_THROW(s.Render()) << "correct drawing leaves nothing";
    CallInTheEnginesContext(GetParam().call);
    const std::vector<std::uint32_t> errors = test::TakeGlErrors();
    EXPECT_EQ(errors, std::vector<std::uint32_t>{GetParam().error})
        << test::GlErrorNames(errors).toStdString();
    EXPECT_TRUE(test::TakeGlErrors().empty()) << "reading clears them";
}

INSTANTIATE_TEST_SUITE_P(Calls, GlErrorKinds, ::testing::ValuesIn(kWrongCalls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GlErrors, RenderThrowsNamingTheErrorAndWhereItWasFound) {
    test::GlScene s;
    ASSERT_TRUE(s.Ok());
    CallInTheEnginesContext(kWrongCalls[2].call);
    try {
        s.Render();
        ADD_FAILURE() << "the error went unnoticed";
    } catch (const std::runtime_error& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find("GlScene.cpp:"), std::string::npos) << text;
        EXPECT_NE(text.find(": the drawing left GL_INVALID_OPERATION"), std::string::npos) << text;
    }
    EXPECT_TRUE(test::TakeGlErrors().empty());
}

TEST(GlErrors, NamesEveryKindAndNumbersTheRest) {
    EXPECT_EQ(test::GlErrorNames({}), "none");
    EXPECT_EQ(test::GlErrorNames({GL_INVALID_ENUM, GL_INVALID_VALUE, GL_INVALID_OPERATION,
                                  GL_INVALID_FRAMEBUFFER_OPERATION, GL_OUT_OF_MEMORY, 0x0507}),
              "GL_INVALID_ENUM, GL_INVALID_VALUE, GL_INVALID_OPERATION, "
              "GL_INVALID_FRAMEBUFFER_OPERATION, GL_OUT_OF_MEMORY, 0x0507");
}

} // namespace
} // namespace qor
