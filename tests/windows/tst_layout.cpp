// The table of a person playing with computers. At every size, from the
// main window's smallest to a large one and back, the personal windows
// never cover one another, the board's cells or Roll Dice, and always lie
// on the screen (a large screen described to the offscreen platform, so
// that every size the window allows can be tried). The recent events show
// the newest lines of the log, and an event that changes the standing holds
// the computers back long enough to read it; the View menu's choices last.

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "ai/autopilot.h"
#include "state/board.h"
#include "still_player.h"
#include "testsupport.h"
#include "windows/board_view.h"
#include "windows/new_game_window.h"

using namespace zx;
using namespace zx::test;

namespace {

constexpr int ScreenWidth = 1920, ScreenHeight = 1200;

// A person and three computers that never move of their own accord.
void startTable(Program& prog) {
    for (PlayerType type : {Easy, Normal, Hard})
        prog.controller.autopilot().SetStrategy(type, [](ai::PlayerRandom&) { return std::make_unique<StillPlayer>(); });
    prog.controller.setComputerPace(600'000);
    prog.controller.mainWindow().mnuGameNew->trigger();
    NewGameWindow* w = prog.controller.newGameWindow();
    QVERIFY(w);
    clickOn(find<QRadioButton>(w, QStringLiteral("optNumOfPlayers_4")));
    const std::array<std::pair<const char*, int>, 4> seats{{{"Ann", Human}, {"Ben", Easy}, {"Cyd", Normal}, {"Dot", Hard}}};
    for (int i = 1; i <= 4; ++i) {
        typeInto(find<QLineEdit>(w, QStringLiteral("txtPlayerName_%1").arg(i)), QString::fromLatin1(seats[i - 1].first));
        find<QComboBox>(w, QStringLiteral("cmbPlayerType_%1").arg(i))->setCurrentIndex(seats[i - 1].second);
    }
    for (const char* option : {"chkSounds", "chkBackgroundMusic", "chkAutoSave"})
        clickOn(find<QCheckBox>(w, QString::fromLatin1(option)));
    clickOn(find<QPushButton>(w, QStringLiteral("cmdStart")));
    QTRY_VERIFY(!prog.controller.newGameWindow());
    QCOMPARE(prog.game().S.NumOfPlayers, 4);
}

QRect globalRect(QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

QRect cellRect(BoardView* board, int cell) {
    const QRectF scene(CellLeft(cell), CellTop(cell), CellSize, CellSize);
    const QRect view = board->mapFromScene(scene).boundingRect();
    return QRect(board->viewport()->mapToGlobal(view.topLeft()), view.size()).adjusted(1, 1, -1, -1);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void personalWindowsStayInTheirSeats();
    void recentEventsAndTheirPause();

private:
    QTemporaryDir settings_;
};

void LayoutTest::initTestCase() {
    quietOffscreenWarnings();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(ScreenWidth, ScreenHeight));
}

void LayoutTest::personalWindowsStayInTheirSeats() {
    Program prog;
    startTable(prog);
    if (QTest::currentTestFailed()) return;
    MainWindow& main = prog.controller.mainWindow();
    main.showNormal();
    main.move(0, 0);
    // With computers at the table the recent events are shown at first.
    QVERIFY(main.recentEvents()->isVisible());
    const QRect screen = main.screen()->availableGeometry();
    const QSize least = main.minimumSizeHint().expandedTo(main.minimumSize());
    qInfo("least %dx%d; personal window at least %dx%d", least.width(), least.height(),
          prog.controller.playerWindow(1)->minimumSizeHint().width(), prog.controller.playerWindow(1)->minimumSizeHint().height());

    int checked = 0;
    auto check = [&](const QSize& size, const QString& what) {
        main.resize(size);
        QTest::qWait(1);
        QCoreApplication::processEvents();
        const QString at = QStringLiteral("%1 at %2x%3").arg(what).arg(main.width()).arg(main.height());
        QVector<QRect> windows;
        for (int p = 1; p <= 4; ++p) {
            QWidget* w = prog.controller.playerWindow(p);
            QVERIFY2(w && w->isVisible(), qPrintable(at));
            windows << w->frameGeometry();
        }
        for (int a = 0; a < 4; ++a) {
            const QString who = QStringLiteral("%1: Player %2").arg(at).arg(a + 1);
            QVERIFY2(screen.contains(windows[a]), qPrintable(who + QStringLiteral(" off the screen")));
            for (int b = a + 1; b < 4; ++b)
                QVERIFY2(!windows[a].intersects(windows[b]), qPrintable(who + QStringLiteral(" over another")));
            QVERIFY2(!windows[a].intersects(globalRect(main.rollDice())), qPrintable(who + QStringLiteral(" over Roll Dice")));
            for (int cell = 1; cell <= NumCells; ++cell)
                QVERIFY2(!windows[a].intersects(cellRect(main.board(), cell)),
                         qPrintable(who + QStringLiteral(" over cell %1").arg(cell)));
        }
        ++checked;
    };
    const QSize large = screen.size() - (main.frameGeometry().size() - main.size());
    for (int i = 0; i <= 12; ++i) {
        const QSize step = least + (large - least) * i / 12;
        check(step, QStringLiteral("growing"));
        check(QSize(step.width(), least.height()), QStringLiteral("wide"));
        check(QSize(least.width(), step.height()), QStringLiteral("tall"));
        if (QTest::currentTestFailed()) return;
    }
    shotOfTable(prog.controller, QStringLiteral("layout_large"));
    check(QSize(1024, 768), QStringLiteral("1024x768"));
    shotOfTable(prog.controller, QStringLiteral("layout_1024"));
    check(QSize(1366, 768), QStringLiteral("1366x768"));
    shotOfTable(prog.controller, QStringLiteral("layout_1366"));
    check(least, QStringLiteral("least"));
    shotOfTable(prog.controller, QStringLiteral("layout_least"));
    check(large, QStringLiteral("enlarged again"));
    QCOMPARE(checked, 3 * 13 + 4);
}

void LayoutTest::recentEventsAndTheirPause() {
    QSettings().clear();
    {
        // No computer at the table, at the defaults: the main window as it always was.
        Program people;
        QVERIFY(!people.controller.mainWindow().recentEvents()->isVisibleTo(&people.controller.mainWindow()));
    }
    Program prog;
    startTable(prog);
    if (QTest::currentTestFailed()) return;
    Game& g = prog.game();
    MainWindow& main = prog.controller.mainWindow();
    QListWidget* list = main.recentEvents();
    QVERIFY(list->isVisible() && main.mnuViewRecentEvents->isChecked());

    // The newest six lines, newest last, each in its log colour.
    constexpr int Pace = 40;
    prog.controller.setComputerPace(Pace);
    for (int i = 1; i <= 8; ++i) g.Log.Add(i, "Event " + std::to_string(i) + "!", i == 8 ? Rgb{255, 0, 0} : Black);
    prog.controller.refresh();
    QCOMPARE(list->count(), 6);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Move 3: Event 3!"));
    QCOMPARE(list->item(5)->text(), QStringLiteral("Move 8: Event 8!"));
    QCOMPARE(list->item(5)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(list->accessibleDescription(), QStringLiteral("Move 8: Event 8!"));
    // Plain events keep the pace; one that changes the standing holds the
    // next movement three paces away.
    QCOMPARE(prog.controller.computerTimer()->interval(), Pace);
    g.Log.Add(9, "Ben won!");
    const_cast<LogLine&>(g.Log.Lines().back()).standing = true;
    prog.controller.refresh();
    QCOMPARE(prog.controller.computerTimer()->interval(), 3 * Pace);
    QVERIFY(prog.controller.computerTimer()->remainingTime() > Pace);
    QTRY_COMPARE(prog.controller.computerTimer()->interval(), Pace);

    // The user's choices, kept for the next start.
    main.mnuViewRecentEvents->trigger();
    QVERIFY(!list->isVisible());
    main.mnuViewSpeedFast->trigger();
    QCOMPARE(prog.controller.computerTimer()->interval(), 350);
    QCOMPARE(prog.controller.computerPause(), 1200);
    Program again;
    QCOMPARE(again.controller.computerSpeed(), ComputerSpeed::Fast);
    QVERIFY(again.controller.mainWindow().mnuViewSpeedFast->isChecked());
    QVERIFY(!again.controller.mainWindow().mnuViewRecentEvents->isChecked());
    again.controller.mainWindow().mnuViewRecentEvents->trigger();
    QVERIFY(again.controller.mainWindow().recentEvents()->isVisibleTo(&again.controller.mainWindow()));
}

// A screen larger than any size the main window allows.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    if (!zx::test::useOffscreenScreen(dir.path(), ScreenWidth, ScreenHeight)) return 1;
    QApplication app(argc, argv);
    LayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout.moc"
