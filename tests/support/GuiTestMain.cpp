// Entry point of the test programs that need a QApplication (widgets, OpenGL contexts).
#include <QApplication>
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The engine's offscreen context and the view's widgets share their OpenGL objects.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
