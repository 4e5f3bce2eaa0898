#include "windows/application.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace zx {

void describeApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Zentrix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENTRIX_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Zentrix"));
    QCoreApplication::setOrganizationDomain(QStringLiteral(ZENTRIX_ORGANIZATION_DOMAIN));
    // Ties the windows to the installed desktop entry (its icon and name in
    // task bars, and startup notification).
    QGuiApplication::setDesktopFileName(QStringLiteral(ZENTRIX_APP_ID));
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "A board game about buying and running companies, for two to four players."));
    // Qt's --help-all would promise Qt's own options, which this help leaves out.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption connect(QStringLiteral("connect"),
                                     QCoreApplication::translate("main", "Joins the network game at this link."),
                                     QStringLiteral("URL"));
    parser.addOption(connect);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "A saved game (.znx) to open."),
                                 QStringLiteral("[FILE.znx]"));

    CommandLine result;
    auto finish = [&result](int code, const QString& text, bool error) {
        result.exitCode = code;
        result.output = text;
        result.toStandardError = error;
        return result;
    };
    const QString name = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) return finish(EXIT_FAILURE, name + QStringLiteral(": ") + parser.errorText() + u'\n', true);
    if (parser.isSet(version))
        return finish(EXIT_SUCCESS, name + u' ' + QCoreApplication::applicationVersion() + u'\n', false);
    if (parser.isSet(help)) return finish(EXIT_SUCCESS, parser.helpText(), false);
    QStringList files = parser.positionalArguments();
    // A link given where a file would be is what a desktop's link handler
    // passes on.
    for (const QString& f : files)
        if (f.startsWith(QLatin1String("zentrix://")) || f.startsWith(QLatin1String("zentrix+tls://"))) result.link = f;
    files.removeAll(result.link);
    if (parser.isSet(connect)) result.link = parser.value(connect);
    if (files.size() > 1)
        return finish(EXIT_FAILURE,
                      name + QStringLiteral(": ") +
                          QCoreApplication::translate("main", "Only one saved game can be opened at a time.") + u'\n',
                      true);
    // The desktop may hand over a saved game as a file: URL instead of its path.
    if (!files.isEmpty()) {
        const QUrl url(files.first(), QUrl::StrictMode);
        const QString path = url.isLocalFile() ? url.toLocalFile() : files.first();
        // The game keeps the path to save back to it, whatever the folder
        // it was started from.
        result.file = QFileInfo(path).absoluteFilePath();
    }
    return result;
}

int answerCommandLine(const CommandLine& command) {
    std::fputs(qPrintable(command.output), command.toStandardError ? stderr : stdout);
    return command.exitCode.value_or(EXIT_SUCCESS);
}

}  // namespace zx
