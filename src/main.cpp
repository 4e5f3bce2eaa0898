// Zentrix: wires the rules, the windows and the sound together and runs.

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <cstdlib>

#include "media/pictures.h"
#include "rules/random.h"
#include "windows/application.h"
#include "windows/controller.h"
#include "windows/language.h"

int main(int argc, char* argv[]) {
    // --help and --version are answered before a display is opened, so they
    // work on a console without one. Anything else waits for QApplication,
    // which takes Qt's own options out of the command line first.
    {
        QCoreApplication console(argc, argv);
        zx::describeApplication();
        const zx::CommandLine early = zx::parseCommandLine(QCoreApplication::arguments());
        if (early.exitCode == EXIT_SUCCESS) return zx::answerCommandLine(early);
    }
    QApplication app(argc, argv);
    zx::describeApplication();
    const zx::CommandLine command = zx::parseCommandLine(QApplication::arguments());
    if (command.exitCode) return zx::answerCommandLine(command);
    zx::installLanguage(app, zx::localeFor(zx::languageSetting()));
    QApplication::setWindowIcon(zx::pictures::appIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    zx::StdRandom random;
    zx::Controller controller(random);
    controller.start();
    if (!command.file.isEmpty()) controller.openAtStart(command.file);
    if (!command.link.isEmpty()) controller.openLinkAtStart(command.link);
    if (command.file.isEmpty() && command.link.isEmpty()) controller.offerResumeAtStart();
    return QApplication::exec();
}
