// zentrix-bot: plays a remote seat of a Zentrix server as a computer player
// (see bot.h).
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "bot/bot.h"

using zx::bot::Bot;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zentrix-bot"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays a seat of a Zentrix server as a computer player."));
    parser.addHelpOption();
    const QCommandLineOption server(QStringLiteral("server"), QStringLiteral("ws://HOST:PORT of the server."), QStringLiteral("URL"));
    const QCommandLineOption create(QStringLiteral("create"), QStringLiteral("Creates a table: 2-4 of remote,easy,normal,hard."),
                                    QStringLiteral("SEATS"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("The new table's seed."), QStringLiteral("N"));
    const QCommandLineOption join(QStringLiteral("join"), QStringLiteral("Joins the table with this code."), QStringLiteral("CODE"));
    const QCommandLineOption resume(QStringLiteral("resume"), QStringLiteral("Takes its seat back with this token."),
                                    QStringLiteral("TOKEN"));
    const QCommandLineOption strength(QStringLiteral("strength"), QStringLiteral("easy, normal or hard."), QStringLiteral("S"),
                                      QStringLiteral("normal"));
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("The seat's name."), QStringLiteral("NAME"));
    parser.addOptions({server, create, seed, join, resume, strength, name});
    parser.process(app);

    const QUrl url(parser.value(server));
    if (!url.isValid() || url.isEmpty()) {
        std::fprintf(stderr, "zentrix-bot: --server URL is needed\n");
        return 2;
    }
    const auto type = zx::net::SeatTypeFromName(parser.value(strength));
    if (!type || *type == zx::net::SeatType::Remote) {
        std::fprintf(stderr, "zentrix-bot: the strength is easy, normal or hard\n");
        return 2;
    }
    const zx::PlayerType playAs = *type == zx::net::SeatType::Easy ? zx::Easy : *type == zx::net::SeatType::Hard ? zx::Hard : zx::Normal;
    Bot::Mode mode = Bot::Mode::Join;
    if (parser.isSet(create)) mode = Bot::Mode::Create;
    else if (parser.isSet(resume)) mode = Bot::Mode::Resume;
    else if (!parser.isSet(join)) {
        std::fprintf(stderr, "zentrix-bot: --create, --join or --resume\n");
        return 2;
    }
    Bot bot(url, mode, playAs);
    if (mode == Bot::Mode::Create) {
        for (const QString& s : parser.value(create).split(QLatin1Char(','))) {
            const auto t = zx::net::SeatTypeFromName(s.trimmed());
            if (!t) {
                std::fprintf(stderr, "zentrix-bot: a seat is remote, easy, normal or hard: %s\n", qPrintable(s));
                return 2;
            }
            bot.seats.push_back({*t, {}, false});
        }
        if (parser.isSet(seed)) bot.seed = parser.value(seed).toULongLong();
    }
    bot.table = parser.value(join);
    bot.token = parser.value(resume);
    bot.name = parser.value(name);
    bot.start();
    return app.exec();
}
