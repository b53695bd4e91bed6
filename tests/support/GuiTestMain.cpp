// Entry point of the test programs that need a QApplication (widgets, OpenGL contexts).
#include <QApplication>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

int CollectMesa(dl_phdr_info* info, std::size_t, void* names) {
    const char* name = info->dlpi_name;
    if (name != nullptr &&
        (std::strstr(name, "libGLX_mesa") != nullptr || std::strstr(name, "_dri.so") != nullptr)) {
        static_cast<std::vector<std::string>*>(names)->push_back(name);
    }
    return 0;
}

// Mesa's GLX library and its driver, which Qt's window-system integration loads with the first
// window, are unloaded when the display connection closes at exit. What they never freed is then
// reported by the leak checker without a module name, past the suppressions of tests/lsan.supp;
// kept loaded, they keep their names. (The engine keeps the driver loaded for the same reason,
// but a program that makes no engine context never gets there.)
void KeepMesaLoaded() {
    std::vector<std::string> names;
    dl_iterate_phdr(CollectMesa, &names);
    for (const std::string& name : names) {
        dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
}

} // namespace

int main(int argc, char** argv) {
    // The engine's offscreen context and the view's widgets share their OpenGL objects.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    KeepMesaLoaded();
    return result;
}
