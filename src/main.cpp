// Zentrix: wires the rules, the windows and the sound together and runs.

#include <QApplication>
#include <QIcon>

#include "media/pictures.h"
#include "rules/random.h"
#include "windows/application.h"
#include "windows/controller.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zx::describeApplication();
    const zx::CommandLine command = zx::parseCommandLine(QApplication::arguments());
    if (command.exitCode) return zx::answerCommandLine(command);
    QApplication::setWindowIcon(zx::pictures::appIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    zx::StdRandom random;
    zx::Controller controller(random);
    controller.start();
    if (!command.file.isEmpty()) controller.openAtStart(command.file);
    return QApplication::exec();
}
