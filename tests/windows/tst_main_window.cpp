// The main window as a player first sees it, before any game.

#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include "media/pictures.h"
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
    QCOMPARE(top.size(), 4);
    QCOMPARE(top[0]->text(), QStringLiteral("&Game"));
    QCOMPARE(top[1]->text(), QStringLiteral("&View"));
    QCOMPARE(top[2]->text(), QStringLiteral("&Settings"));
    QCOMPARE(top[3]->text(), QStringLiteral("&Help"));
    // Each language by its own name, the desktop's first; one at a time.
    QStringList languages;
    for (QAction* a : top[2]->menu()->actions().first()->menu()->actions()) {
        QVERIFY(a->isCheckable() && a->actionGroup() && a->actionGroup()->isExclusive());
        languages << a->text();
    }
    QCOMPARE(languages, (QStringList{"System language", "English", "Deutsch", QString::fromUtf8("Français"),
                                     QString::fromUtf8("Español")}));
    // Menu order, separators included.
    QStringList order;
    for (QAction* a : top[0]->menu()->actions()) order << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    QCOMPARE(order, (QStringList{"mnuGameNew", "mnuGameLoad", "mnuGameHost", "mnuGameJoin", "mnuGameResume", "mnuGameClose", "-", "mnuGameSave",
                                 "mnuGameSaveAs", "-", "mnuGameExit"}));
}

namespace {

// How far the board shows a picture item from a fresh render of its picture
// at the size shown: the mean difference of the colour channels over the
// picture's opaque pixels.
double pictureDifference(BoardView* board, BoardPicture* item) {
    const QRectF device = board->viewportTransform().mapRect(item->sceneBoundingRect());
    const QRect shownAt(qRound(device.left()), qRound(device.top()), qRound(device.width()), qRound(device.height()));
    const QImage shown = board->viewport()->grab(shownAt).toImage().convertToFormat(QImage::Format_ARGB32);
    QImage fresh(shownAt.size(), QImage::Format_ARGB32_Premultiplied);
    fresh.fill(Qt::transparent);
    QPainter painter(&fresh);
    painter.setRenderHint(QPainter::Antialiasing);
    pictures::renderer(item->picture())->render(&painter, QRectF(QPointF(0, 0), QSizeF(shownAt.size())));
    painter.end();
    long sum = 0, count = 0;
    for (int y = 0; y < fresh.height(); ++y)
        for (int x = 0; x < fresh.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = fresh.pixel(x, y);
            if (qAlpha(b) < 255) continue;
            sum += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
            count += 3;
        }
    return count ? static_cast<double>(sum) / static_cast<double>(count) : 255;
}

// Counts what the board's viewport repaints.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* w) { w->installEventFilter(this); }
    long pixels = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) pixels += r.width() * r.height();
        return false;
    }
};

// Piece 1 walks over cell `cell`, from its left edge to the next cell.
void walk(BoardView* board, int cell) {
    for (int step = 0; step <= 10; ++step) {
        board->setPiecePosition(1, CellLeft(cell) + PieceInset + 108 * step, CellTop(cell) + PieceInset);
        QTest::qWait(5);
    }
}

}  // namespace

void TestMainWindow::boardScalesWithTheWindow() {
    test::Program program;
    MainWindow& w = program.controller.mainWindow();
    BoardView* board = w.board();
    // Cells are painted whole here; the piece is always drawn from the
    // board's pixmaps.
    board->piece(1)->setVisible(true);
    board->setPiecePosition(1, CellLeft(9) + PieceInset, CellTop(9) + PieceInset);
    double scale = 0;
    for (QSize size : {QSize(1000, 700), QSize(1900, 1050), QSize(1000, 700)}) {
        w.resize(size);
        QApplication::processEvents();
        QCOMPARE_NE(board->transform().m11(), scale);
        scale = board->transform().m11();
        // The whole board stays in view, its pictures drawn for the new size
        // (a pixmap kept from another size would be offset and blurred).
        QRectF visible = board->mapToScene(board->viewport()->rect()).boundingRect();
        QVERIFY(visible.contains(QRectF(0, 0, BoardExtent, BoardExtent).adjusted(5, 5, -5, -5)));
        for (BoardPicture* item : {board->piece(1), board->cell(1), board->cell(5)})
            QVERIFY2(pictureDifference(board, item) < 6,
                     qPrintable(QStringLiteral("%1 at %2x%3: %4")
                                    .arg(item->objectName()).arg(size.width()).arg(size.height())
                                    .arg(pictureDifference(board, item))));
    }

    // A walking piece repaints its way, not the board.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(20);
    PaintLog log(board->viewport());
    walk(board, 3);
    const QRect piece = board->mapFromScene(QRectF(0, 0, PieceSize, PieceSize)).boundingRect();
    const long viewport = static_cast<long>(board->viewport()->width()) * board->viewport()->height();
    QVERIFY2(log.pixels > 0 && log.pixels < 11 * 3L * piece.width() * piece.height() && log.pixels < viewport / 4,
             qPrintable(QStringLiteral("%1 pixels repainted").arg(log.pixels)));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
