// QOR: two five-bar linkages, their parameters, their motion and their 3D scene.
#include "app/CommandLine.h"
#include "app/Startup.h"
#include "platform/Language.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv) {
    // Read before the application object is made, so that --help and --version need no display.
    const qor::CommandLine line = qor::ParseCommandLine(qor::ArgumentsOf(argc, argv));
    if (line.What != qor::CommandLine::Action::Start) {
        // No display is needed; the application object only carries the language of the answer,
        // whose texts are made again once it is installed.
        QCoreApplication app(argc, argv);
        qor::UseLanguage(line.ChosenLanguage.value_or(qor::RememberedLanguage()));
        return qor::AnswerCommandLine(qor::ParseCommandLine(qor::ArgumentsOf(argc, argv)));
    }
    QApplication app(argc, argv);
    return qor::RunProgram(line.DesignFile, line.ChosenLanguage);
}
