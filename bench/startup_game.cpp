// The game's start-up, from launch to the main window's first frame: the same
// steps as the program's own main, then it reports and ends.
// Run by bench/startup.sh beside startup_bare.

#include <QApplication>
#include <QIcon>

#include "media/pictures.h"
#include "rules/random.h"
#include "startup_clock.h"
#include "windows/controller.h"
#include "windows/main_window.h"

int main(int argc, char* argv[]) {
    const double mainTop = zx::bench::SecondsOf(CLOCK_MONOTONIC);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentrix"));
    QApplication::setApplicationVersion(QStringLiteral("3.0.0"));
    QApplication::setWindowIcon(zx::pictures::appIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    zx::StdRandom random;
    zx::Controller controller(random);
    zx::bench::FirstFrame watch(&controller.mainWindow(), [mainTop] { zx::bench::ReportStartup(mainTop); });
    controller.start();
    return QApplication::exec();
}
