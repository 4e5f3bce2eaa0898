// The program as the desktop starts it: its command line, a saved game
// opened from a file manager, and the folder the Save and Load dialogs
// open in.

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "testsupport.h"
#include "windows/application.h"
#include "windows/file_dialogs.h"
#include "windows/main_window.h"
#include "windows/player_window.h"

using namespace zx;

namespace {

// A two-player game as the game saves it, Bob to move.
QByteArray savedGame() {
    QStringList lines = {"2,2", R"("Ann","Female","1")", R"("Bob","Male","2")", R"("","","")", R"("","","")", "1,1",
                         "#FALSE#,#FALSE#,#FALSE#,#FALSE#", "3600,360", "360,3600", "3600,6840", "6840,3600", "2"};
    lines << "4200000,300000" << "5000000,0" << "5000000,0" << "5000000,0";
    for (int i = 0; i < 5; ++i) lines << "0,0,0,0";
    lines << "0";
    lines << "1,#TRUE#,#FALSE#";
    for (int i = 0; i < 11; ++i) lines << "0,#FALSE#,#FALSE#";
    lines << "0" << "0" << "0" << "0" << "12,7" << "0" << R"("")" << R"("")" << R"("")" << R"("")";
    return lines.join(QStringLiteral("\r\n")).append(QStringLiteral("\r\n")).toUtf8();
}

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Lets the real file dialogs open; message boxes stay scripted.
struct RealFileDialogs : test::ScriptedHooks {
    std::optional<std::string> saveFile(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> openFile(const std::string&) override { return std::nullopt; }
};

// Answers the next file dialog as a person would: notes the folder it
// opened in, then types a file's path and presses Return (an empty path
// cancels).
void answerFileDialog(const QString& path, QString* openedIn) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, path, openedIn] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->deleteLater();
        *openedIn = dialog->directory().absolutePath();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // The dialog takes the typed name over the file selected in its list
        // only while the name box has the keyboard focus.
        QApplication::setActiveWindow(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setFocus();
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    poll->start(10);
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;

private slots:
    void initTestCase();
    void commandLine();
    void savedGameOpenedAtStart();
    void dialogsOpenInTheFolderUsedLast();
};

void TestDesktop::initTestCase() {
    QVERIFY(settings_.isValid());
    // The game's settings and the file dialog's own stay out of the real
    // user's configuration.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    describeApplication();
    QVERIFY(QSettings().fileName().startsWith(settings_.path()));
}

void TestDesktop::commandLine() {
    auto parse = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("zentrix"));
        return parseCommandLine(arguments);
    };
    const CommandLine plain = parse({});
    QVERIFY(!plain.exitCode);
    QVERIFY(plain.file.isEmpty());

    const CommandLine version = parse({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, std::optional<int>(0));
    QCOMPARE(version.output, QStringLiteral("Zentrix 3.0.0\n"));
    QVERIFY(!version.toStandardError);

    const CommandLine help = parse({QStringLiteral("-h")});
    QCOMPARE(help.exitCode, std::optional<int>(0));
    QVERIFY(help.output.contains(QStringLiteral("[FILE.znx]")));
    QVERIFY(help.output.contains(QStringLiteral("--version")));
    QVERIFY(!help.output.contains(QStringLiteral("--help-all")));

    const CommandLine unknown = parse({QStringLiteral("--bogus")});
    QCOMPARE(unknown.exitCode, std::optional<int>(1));
    QCOMPARE(unknown.output, QStringLiteral("Zentrix: Unknown option 'bogus'.\n"));
    QVERIFY(unknown.toStandardError);

    const CommandLine two = parse({QStringLiteral("a.znx"), QStringLiteral("b.znx")});
    QCOMPARE(two.exitCode, std::optional<int>(1));
    QVERIFY(two.toStandardError);

    // A file manager may start the game in any folder; the game keeps where
    // the file really is, to save back to it.
    const CommandLine file = parse({QStringLiteral("games/mid.znx")});
    QVERIFY(!file.exitCode);
    QCOMPARE(file.file, QDir::current().absoluteFilePath(QStringLiteral("games/mid.znx")));
    QCOMPARE(parse({QStringLiteral("file:///tmp/a%20b.znx")}).file, QStringLiteral("/tmp/a b.znx"));
    // A clicked invite link is no saved game.
    const CommandLine invite = parse({QStringLiteral("zentrix://192.168.1.20:7341/ABC234")});
    QVERIFY(!invite.exitCode);
    QVERIFY(invite.file.isEmpty());
    QCOMPARE(invite.link, QStringLiteral("zentrix://192.168.1.20:7341/ABC234"));
}

void TestDesktop::savedGameOpenedAtStart() {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("mid.znx"));
    const QString bad = dir.filePath(QStringLiteral("bad.znx"));
    write(good, savedGame());
    write(bad, "Dear diary,\r\n");

    test::Program program;
    program.controller.openAtStart(good);
    QVERIFY(program.hooks.messages.empty());
    QVERIFY(program.game().S.GameInProgress);
    QCOMPARE(program.controller.mainWindow().windowTitle(), QStringLiteral("Zentrix 3.0 - mid.znx"));
    QVERIFY(program.controller.playerWindow(2) && program.controller.playerWindow(2)->isVisible());
    QCOMPARE(program.game().S.Cash[1], 4'200'000);

    test::Program refused;
    refused.controller.openAtStart(bad);
    QCOMPARE(refused.hooks.messages.size(), std::size_t(1));
    QCOMPARE(refused.hooks.messages[0].text, std::string("Couldn't load file!"));
    QCOMPARE(refused.hooks.messages[0].title, std::string("Invalid file format"));
    QCOMPARE(refused.hooks.messages[0].icon, MsgIcon::Critical);
    QVERIFY(!refused.game().S.GameInProgress);
    QCOMPARE(refused.controller.mainWindow().windowTitle(), QStringLiteral("Zentrix 3.0"));
    QVERIFY(!refused.controller.playerWindow(1));
}

void TestDesktop::dialogsOpenInTheFolderUsedLast() {
    QTemporaryDir dir;
    const QString games = dir.filePath(QStringLiteral("games"));
    const QString copies = dir.filePath(QStringLiteral("copies"));
    write(games + QStringLiteral("/mid.znx"), savedGame());
    QDir().mkpath(copies);

    test::Program program;
    RealFileDialogs hooks;
    program.controller.setHooks(&hooks);
    Game& game = program.game();

    // The first time: the documents folder (the home folder when there is none).
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString openedIn;
    answerFileDialog(games + QStringLiteral("/mid.znx"), &openedIn);
    game.mnuGameLoad_Click();
    QVERIFY(openedIn == documents || openedIn == QDir::homePath());
    QVERIFY(game.S.GameInProgress);
    QCOMPARE(savedGamesFolder(), games);

    // Save As starts beside the game's own file; the copy's folder is kept.
    answerFileDialog(copies + QStringLiteral("/copy.znx"), &openedIn);
    game.mnuGameSaveAs_Click();
    QCOMPARE(openedIn, games);
    QVERIFY(QFileInfo::exists(copies + QStringLiteral("/copy.znx")));

    hooks.answers.push_back(MsgAnswer::No);  // no save before closing
    game.mnuGameClose_Click();
    answerFileDialog(QString(), &openedIn);
    game.mnuGameLoad_Click();
    QCOMPARE(openedIn, copies);

    // Kept between runs of the program, and forgotten once the folder has gone.
    QCOMPARE(QSettings().value(QStringLiteral("SavedGames/Folder")).toString(), copies);
    QVERIFY(QDir(copies).removeRecursively());
    QVERIFY(savedGamesFolder() != copies);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
