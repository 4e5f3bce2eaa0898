// The main window as a player first sees it, before any game.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "testsupport.h"
#include "windows/board_view.h"
#include "windows/main_window.h"

using namespace zx;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void boardHasItsCellsAndHoverTexts();
    void initialTextsAndButtons();
    void menusWithShortcutsAndStates();
    void boardScalesWithTheWindow();
};

void TestMainWindow::boardHasItsCellsAndHoverTexts() {
    test::Program program;
    BoardView* board = program.controller.mainWindow().board();
    const char* kinds[] = {"Company market cell", "Computer cell", "Tax cell", "Bank cell", "Insurance cell"};
    for (int i = 1; i <= 32; ++i) {
        auto* cell = board->cell(i);
        QVERIFY(cell);
        QCOMPARE(cell->objectName(), QStringLiteral("Box_%1").arg(i));
        QString expected = QString::fromLatin1(Cell(i).kind == CellKind::Company ? "Company cell" : kinds[(i - 1) % 8]);
        QCOMPARE(cell->toolTip(), expected);
        QCOMPARE(cell->pos(), QPointF(CellLeft(i), CellTop(i)));
    }
    for (int p = 1; p <= 4; ++p) QVERIFY(!board->piece(p)->isVisible());
    for (int k = 1; k <= 12; ++k) QVERIFY(!board->frame(k)->isVisible());
    for (int c = 1; c <= 4; ++c) {
        QVERIFY(!board->complexFrame(c)->isVisible());
        QVERIFY(!board->mask(c)->isVisible());
    }
}

void TestMainWindow::initialTextsAndButtons() {
    test::Program program;
    MainWindow& w = program.controller.mainWindow();
    QCOMPARE(w.windowTitle(), QStringLiteral("Zentrix 3.0"));
    auto text = [&](const char* name) { return w.findChild<QLabel*>(QString::fromLatin1(name))->text(); };
    QCOMPARE(text("lblPrompt"), QStringLiteral("Game prompts are shown here"));
    QCOMPARE(text("lblComputerPrompt"), QStringLiteral("Computer prompts are shown here"));
    QCOMPARE(text("lblHint"),
             QStringLiteral("Welcome to Zentrix!  Go to Game->New to start a new game, Game->Load to load a saved game, "
                            "or Help->Help to learn the rules and find out how to play."));
    QCOMPARE(text("lblPressF1forHelp"), QStringLiteral("Press F1 for online help!"));
    QCOMPARE(text("lblCurrentPlayerLabel"), QStringLiteral("Current player:"));
    QCOMPARE(text("lblNextPlayerLabel"), QStringLiteral("Next player:"));
    QCOMPARE(text("lblGameTimeLabel"), QStringLiteral("Game time:"));
    QCOMPARE(text("lblMovesLabel"), QStringLiteral("Moves:"));
    QCOMPARE(text("lblReactionTimeLabel"), QStringLiteral("Reaction time:"));
    QCOMPARE(text("lblGameTime"), QString());
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblHint"))->toolTip(), QStringLiteral("Game hints are shown here"));

    auto* roll = w.findChild<QPushButton*>(QStringLiteral("cmdRollDice"));
    QVERIFY(roll);
    QCOMPARE(roll->text(), QStringLiteral("Roll &Dice"));
    QCOMPARE(roll->toolTip(), QStringLiteral("Roll the dice"));
    QVERIFY(!roll->isEnabled());
    auto* graph = w.findChild<QPushButton*>(QStringLiteral("cmdShowGraph"));
    QCOMPARE(graph->text(), QStringLiteral("&Trend Graph"));
    QCOMPARE(graph->toolTip(), QStringLiteral("Compare players' estates in a graph"));
    QCOMPARE(w.findChild<QGroupBox*>(QStringLiteral("fraStatistics"))->title(), QStringLiteral("Statistics"));
    QVERIFY(w.findChild<QWidget*>(QStringLiteral("picDice")));
    QCOMPARE(w.findChild<QWidget*>(QStringLiteral("picDice"))->toolTip(), QStringLiteral("Dice picture"));
}

void TestMainWindow::menusWithShortcutsAndStates() {
    test::Program program;
    MainWindow& w = program.controller.mainWindow();
    struct Item {
        const char* name;
        const char* text;
        const char* key;
        bool enabled;
    };
    const Item items[] = {
        {"mnuGameNew", "&New...", "Ctrl+N", true},    {"mnuGameLoad", "&Load...", "Ctrl+L", true},
        {"mnuGameClose", "&Close", "", false},        {"mnuGameSave", "&Save", "Ctrl+S", false},
        {"mnuGameSaveAs", "Save &As...", "", false},  {"mnuGameExit", "E&xit", "", true},
        {"mnuHelpHelp", "&Help...", "F1", true},      {"mnuHelpAbout", "&About Zentrix...", "", true},
    };
    for (const Item& item : items) {
        auto* a = w.findChild<QAction*>(QString::fromLatin1(item.name));
        QVERIFY2(a, item.name);
        QCOMPARE(a->text(), QString::fromLatin1(item.text));
        QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(item.key)));
        QCOMPARE(a->isEnabled(), item.enabled);
    }
    QList<QAction*> top = w.menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), QStringLiteral("&Game"));
    QCOMPARE(top[1]->text(), QStringLiteral("&Help"));
    // Menu order, separators included.
    QStringList order;
    for (QAction* a : top[0]->menu()->actions()) order << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    QCOMPARE(order, (QStringList{"mnuGameNew", "mnuGameLoad", "mnuGameClose", "-", "mnuGameSave", "mnuGameSaveAs", "-",
                                 "mnuGameExit"}));
}

void TestMainWindow::boardScalesWithTheWindow() {
    test::Program program;
    MainWindow& w = program.controller.mainWindow();
    w.resize(1000, 700);
    QApplication::processEvents();
    double small = w.board()->transform().m11();
    w.resize(1900, 1050);
    QApplication::processEvents();
    double large = w.board()->transform().m11();
    QVERIFY(large > small);
    // The whole board stays in view.
    QRectF visible = w.board()->mapToScene(w.board()->viewport()->rect()).boundingRect();
    QVERIFY(visible.contains(QRectF(0, 0, BoardExtent, BoardExtent).adjusted(5, 5, -5, -5)));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
