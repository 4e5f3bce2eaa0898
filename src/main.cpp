// Zentrix: wires the rules, the windows and the sound together and runs.

#include <QApplication>
#include <QIcon>

#include "media/pictures.h"
#include "rules/random.h"
#include "windows/controller.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentrix"));
    QApplication::setApplicationVersion(QStringLiteral("3.0.0"));
    QApplication::setWindowIcon(zx::pictures::appIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    zx::StdRandom random;
    zx::Controller controller(random);
    controller.start();
    return QApplication::exec();
}
