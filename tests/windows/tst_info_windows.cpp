// The trend graph, the About box, the help window and the game log.

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QApplication>
#include <QCborArray>
#include <QCborMap>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QValueAxis>
#include <QLineEdit>
#include <QtTest>

#include "../core/test_support.h"
#include "testsupport.h"
#include "server/server.h"
#include "windows/about_window.h"
#include "windows/buy_window.h"
#include "windows/graph_window.h"
#include "windows/help_window.h"
#include "windows/host_window.h"
#include "windows/loan_window.h"
#include "windows/log_window.h"
#include "windows/new_game_window.h"
#include "windows/player_window.h"
#include "windows/results_window.h"
#include "windows/sell_window.h"
#include "windows/wait_window.h"

using namespace zx;
using zx::test::find;
using zx::test::shot;

namespace {

// Three players 57 moves into a game: samples at the start and at moves
// 10 to 50 fill rows 5 to 10.
void threePlayersAtMove57(GameState& s) {
    s.NumOfPlayers = 3;
    const char* names[] = {"", "Ann", "Bob", "Cid"};
    for (std::size_t p = 1; p <= 3; ++p) {
        s.PlayerName[p] = names[p];
        s.PlayerPiece[p] = std::to_string(p);
    }
    s.Moves = 57;
    const double samples[4][6] = {{},
                                  {5.0, 5.4, 6.1, 5.8, 6.6, 7.2},
                                  {5.0, 4.8, 4.1, 4.5, 3.9, 4.2},
                                  {5.0, 5.1, 5.3, 6.0, 6.4, 5.9}};
    for (std::size_t p = 1; p <= 3; ++p)
        for (std::size_t i = 0; i < 6; ++i) s.EstateHistory[5 + i][p] = samples[p][i];
}

QList<QLineSeries*> lines(QChart* chart) {
    QList<QLineSeries*> out;
    for (QAbstractSeries* s : chart->series()) out << qobject_cast<QLineSeries*>(s);
    return out;
}

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

}  // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void graphDrawsOneLinePerPlayer();
    void graphAxesAndRowLabels();
    void graphLeavesGapsForMissingSamples();
    void graphClosingIsToldToTheGame();
    void aboutTexts();
    void aboutOkAndEscapeClose();
    void aboutSysInfoWithoutAProgram();
    void aboutSysInfoStartsTheFirstProgramFound();
    void helpListsEveryTopic();
    void helpShowsTopicsAndFollowsLinks();
    void helpIsUsableFromAModalDialog();
    void f1InEveryWindowOpensItsOwnTopic();
    void logShowsExactlyTheLogAfterAVoidDisaster();
    void logChatLinesComeInOrderAndAreNotTheGamesLog();
    void hostWindowLinkAddressesAndSeats();
};

void InfoWindowsTest::graphDrawsOneLinePerPlayer() {
    test::Program p;
    threePlayersAtMove57(p.game().S);
    GraphWindow w(p.controller);
    QCOMPARE(w.objectName(), QStringLiteral("frmGraph"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Game trend graph"));
    QVERIFY(!w.isModal());
    auto* view = find<QChartView>(&w, "mscEstates");
    QVERIFY(view);
    QChart* chart = view->chart();
    const QList<QLineSeries*> series = lines(chart);
    QCOMPARE(series.size(), 3);
    const QColor colors[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0)};
    const QString names[] = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cid")};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(series[i]);
        QCOMPARE(series[i]->name(), names[i]);
        QCOMPARE(series[i]->pen().color(), colors[i]);
        QCOMPARE(series[i]->count(), 6);
        QCOMPARE(series[i]->at(0).x(), 5.0);
        QCOMPARE(series[i]->at(5).x(), 10.0);
    }
    QCOMPARE(series[0]->at(5).y(), 7.2);
    QVERIFY(chart->legend()->isVisible());
    QCOMPARE(chart->legend()->markers().size(), 3);
    QCOMPARE(find<QLabel>(&w, "lblGraph")->text(),
             QStringLiteral("This graph shows the general direction and history of the game.  "
                            "It is a superb tool to compare your wealth with your opponents."));
    QCOMPARE(find<QLabel>(&w, "lblPressF1forHelp")->text(), QStringLiteral("Press F1 for online help!"));
    w.show();
    shot(&w, QStringLiteral("graph"));

    // A fourth player with piece 4 draws in magenta.
    GameState& s = p.game().S;
    s.NumOfPlayers = 4;
    s.PlayerName[4] = "Dee";
    s.PlayerPiece[4] = "4";
    s.EstateHistory[10][4] = 5.0;
    GraphWindow four(p.controller);
    const QList<QLineSeries*> fourLines = lines(find<QChartView>(&four, "mscEstates")->chart());
    QCOMPARE(fourLines.size(), 4);
    QCOMPARE(fourLines[3]->pen().color(), QColor(255, 0, 255));
}

void InfoWindowsTest::graphAxesAndRowLabels() {
    test::Program p;
    threePlayersAtMove57(p.game().S);
    GraphWindow w(p.controller);
    QChart* chart = find<QChartView>(&w, "mscEstates")->chart();
    auto* moves = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* estates = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    QVERIFY(moves);
    QVERIFY(estates);
    QCOMPARE(moves->titleText(), QStringLiteral("Moves"));
    QCOMPARE(estates->titleText(), QStringLiteral("Estate (Million $)"));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(moves), static_cast<QAbstractAxis*>(estates)}) {
        QCOMPARE(axis->titleFont().family(), QStringLiteral("Arial"));
        QCOMPARE(axis->titleFont().pointSize(), 12);
        QCOMPARE(axis->gridLineColor(), QColor(120, 120, 120));
        QVERIFY(axis->isGridLineVisible());
    }
    QStringList labels;
    for (const QString& l : moves->categoriesLabels()) labels << l.trimmed();
    QCOMPARE(labels, (QStringList{"", "", "", "", "0", "10", "20", "30", "40", "50"}));
    QCOMPARE(moves->endValue(moves->categoriesLabels().at(9)), 10.0);
    QVERIFY(estates->min() <= 0.0);
    QVERIFY(estates->max() >= 7.2);

    // After a hundred moves every row has a move; the oldest is 90 before.
    QCOMPARE(GraphWindow::rowLabel(123, 10), QStringLiteral("120"));
    QCOMPARE(GraphWindow::rowLabel(123, 1), QStringLiteral("30"));
    QCOMPARE(GraphWindow::rowLabel(100, 1), QStringLiteral("10"));
    QCOMPARE(GraphWindow::rowLabel(99, 1), QStringLiteral("0"));
    QCOMPARE(GraphWindow::rowLabel(89, 1), QString());
    QCOMPARE(GraphWindow::rowLabel(89, 2), QStringLiteral("0"));
    QCOMPARE(GraphWindow::rowLabel(0, 10), QStringLiteral("0"));
    QCOMPARE(GraphWindow::rowLabel(0, 9), QString());
}

void InfoWindowsTest::graphLeavesGapsForMissingSamples() {
    test::Program p;
    GameState& s = p.game().S;
    threePlayersAtMove57(s);
    s.EstateHistory[7][1].reset();
    GraphWindow w(p.controller);
    QChart* chart = find<QChartView>(&w, "mscEstates")->chart();
    const QList<QLineSeries*> series = lines(chart);
    // Ann's line breaks at row 7: two pieces, one legend entry, no zero.
    int annPoints = 0;
    int visibleMarkers = 0;
    for (QLineSeries* line : series) {
        for (const QPointF& pt : line->points()) {
            QVERIFY(pt.x() != 7.0 || line->name() != QStringLiteral("Ann"));
            QVERIFY(pt.y() != 0.0);
        }
        if (line->name() == QStringLiteral("Ann")) {
            annPoints += line->count();
            QCOMPARE(line->pen().color(), QColor(255, 0, 0));
        }
        for (QLegendMarker* m : chart->legend()->markers(line))
            if (m->isVisible()) ++visibleMarkers;
    }
    QCOMPARE(annPoints, 5);
    QCOMPARE(visibleMarkers, 3);

    // A player without any sample still has his legend entry.
    GameState& fresh = p.game().S;
    for (auto& row : fresh.EstateHistory) row = {};
    fresh.Moves = 0;
    GraphWindow empty(p.controller);
    QCOMPARE(lines(find<QChartView>(&empty, "mscEstates")->chart()).size(), 3);
}

void InfoWindowsTest::graphClosingIsToldToTheGame() {
    test::Program p;
    threePlayersAtMove57(p.game().S);
    p.game().GraphLoaded = true;
    p.controller.showWindow(WindowId::Graph, 0, false);
    QPointer<GraphWindow> w = p.controller.graphWindow();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    w->close();
    QVERIFY(!p.game().GraphLoaded);
    QVERIFY(!p.controller.graphWindow());

    // Esc closes it the same way; showing it again builds a new one.
    p.game().GraphLoaded = true;
    p.controller.showWindow(WindowId::Graph, 0, false);
    GraphWindow* again = p.controller.graphWindow();
    QVERIFY(again);
    QVERIFY(again->isVisible());
    QTest::keyClick(again, Qt::Key_Escape);
    QVERIFY(!p.game().GraphLoaded);
    QVERIFY(!p.controller.graphWindow());
}

void InfoWindowsTest::aboutTexts() {
    test::Program p;
    AboutWindow w(p.controller);
    QCOMPARE(w.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(w.windowTitle(), QStringLiteral("About Zentrix"));
    QVERIFY(w.isModal());
    QCOMPARE(find<QLabel>(&w, "lblTitle")->text(), QStringLiteral("Zentrix"));
    QCOMPARE(find<QLabel>(&w, "lblVersion")->text(), QStringLiteral("Version 3.0.0"));
    QCOMPARE(find<QLabel>(&w, "Label2")->text(),
             QStringLiteral("IBM, HP, Compaq, Motorola, Intel, AMD, Lucent Technologies, Microsoft, Sun Microsystems, "
                            "Sillicon Graphics, Electronic Arts, Diamond Multimedia, General Motors, Ford, Buick, "
                            "Toyota, Honda, Nissan, Volkswagen, BMW, Mercedes Benz, Renault, Peugeot, Citroen are "
                            "registered trademarks of their respective owners."));
    QVERIFY(find<QWidget>(&w, "picIcon"));
    auto* ok = find<QPushButton>(&w, "cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(find<QPushButton>(&w, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    QCOMPARE(find<QLabel>(&w, "lblPressF1forHelp")->toolTip(),
             QStringLiteral("Press F1 for complete HTML Help on this window!"));
    QCOMPARE(w.helpTopic(), QStringLiteral("about"));
    w.show();
    shot(&w, QStringLiteral("about"));
}

void InfoWindowsTest::aboutOkAndEscapeClose() {
    test::Program p;
    p.game().S.Sounds = false;
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        if (AboutWindow* w = p.controller.aboutWindow()) {
            QTest::mouseClick(find<QPushButton>(w, "cmdOK"), Qt::LeftButton);
            clicked = true;
        }
    });
    QTimer::singleShot(3000, [&] {
        if (p.controller.aboutWindow()) p.controller.closeWindow(WindowId::About, 0);
    });
    p.controller.showWindow(WindowId::About, 0, true);
    QVERIFY(clicked);
    QVERIFY(!p.controller.aboutWindow());

    bool escaped = false;
    QTimer::singleShot(0, [&] {
        if (AboutWindow* w = p.controller.aboutWindow()) {
            QTest::keyClick(w, Qt::Key_Escape);
            escaped = true;
        }
    });
    QTimer::singleShot(3000, [&] {
        if (p.controller.aboutWindow()) p.controller.closeWindow(WindowId::About, 0);
    });
    p.controller.showWindow(WindowId::About, 0, true);
    QVERIFY(escaped);
    QVERIFY(!p.controller.aboutWindow());
}

void InfoWindowsTest::aboutSysInfoWithoutAProgram() {
    test::Program p;
    AboutWindow w(p.controller);
    w.sysInfoPrograms = {QStringLiteral("zentrix-no-such-sysinfo")};
    QTest::mouseClick(find<QPushButton>(&w, "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(p.hooks.messages.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(p.hooks.messages[0].text), kUnavailable);
    QCOMPARE(p.hooks.messages[0].buttons, MsgButtons::Ok);

    // The usual programs are looked for on the PATH, which here holds none.
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toLocal8Bit());
    AboutWindow usual(p.controller);
    QVERIFY(usual.sysInfoPrograms.contains(QStringLiteral("hardinfo")));
    usual.StartSysInfo();
    qputenv("PATH", path);
    QCOMPARE(p.hooks.messages.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(p.hooks.messages[1].text), kUnavailable);
}

void InfoWindowsTest::aboutSysInfoStartsTheFirstProgramFound() {
    test::Program p;
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("fake-sysinfo"));
    {
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\ntouch \"$0.ran\"\n");
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit() + ":" + path);
    AboutWindow w(p.controller);
    w.sysInfoPrograms = {QStringLiteral("zentrix-no-such-sysinfo"), QStringLiteral("fake-sysinfo")};
    w.StartSysInfo();
    qputenv("PATH", path);
    QTRY_VERIFY(QFile::exists(script + QStringLiteral(".ran")));
    QVERIFY(p.hooks.messages.empty());
}

void InfoWindowsTest::helpListsEveryTopic() {
    test::Program p;
    HelpWindow w(p.controller);
    QCOMPARE(w.objectName(), QStringLiteral("frmHelp"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Zentrix Help"));
    QFile contents(QStringLiteral(":/help/contents.txt"));
    QVERIFY(contents.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList files;
    QStringList titles;
    for (const QByteArray& raw : contents.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty()) continue;
        files << line.section(QLatin1Char('|'), 0, 0);
        titles << line.section(QLatin1Char('|'), 1);
    }
    QVERIFY(files.size() >= 10);
    QCOMPARE(w.pages(), files);
    auto* list = find<QListWidget>(&w, "lstContents");
    QCOMPARE(list->count(), titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(list->item(i)->text(), titles[i]);
        QVERIFY2(QFile::exists(QStringLiteral(":/help/") + files[i]), qPrintable(files[i]));
    }
    QVERIFY(!list->accessibleName().isEmpty());
    // The first topic is shown at first.
    QCOMPARE(w.currentPage(), files.first());
    QCOMPARE(list->currentRow(), 0);
}

void InfoWindowsTest::helpShowsTopicsAndFollowsLinks() {
    test::Program p;
    HelpWindow w(p.controller);
    auto* list = find<QListWidget>(&w, "lstContents");
    auto* page = find<QTextBrowser>(&w, "txtHelp");

    w.showTopic(QStringLiteral("cells"));
    QCOMPARE(w.currentPage(), QStringLiteral("cells.html"));
    QVERIFY(page->toPlainText().startsWith(QStringLiteral("Cells")));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Cells"));

    for (const QString& topic : {QStringLiteral("sell"), QStringLiteral("loan"), QStringLiteral("graph"),
                                 QStringLiteral("about")}) {
        w.showTopic(topic);
        QCOMPARE(w.currentPage(), topic + QStringLiteral(".html"));
    }
    // No topic, an unknown topic or a path: the first page.
    for (const QString& topic : {QString(), QStringLiteral("nothing-here"), QStringLiteral("../help/sell")}) {
        w.showTopic(topic);
        QCOMPARE(w.currentPage(), QStringLiteral("index.html"));
    }

    // Choosing from the contents, then following a link, then going back.
    list->setCurrentRow(w.pages().indexOf(QStringLiteral("sell.html")));
    QCOMPARE(w.currentPage(), QStringLiteral("sell.html"));
    QVERIFY(page->toPlainText().startsWith(QStringLiteral("Selling a company")));
    page->setSource(QUrl(QStringLiteral("loan.html")));
    QCOMPARE(w.currentPage(), QStringLiteral("loan.html"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Lending money"));
    auto* back = find<QPushButton>(&w, "cmdBack");
    QVERIFY(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(w.currentPage(), QStringLiteral("sell.html"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Selling a company"));

    w.show();
    shot(&w, QStringLiteral("help"));
    // The help asked for through the program lands in the same window.
    p.controller.showHelp("cells");
    QVERIFY(p.controller.helpWindow());
    QCOMPARE(p.controller.helpWindow()->currentPage(), QStringLiteral("cells.html"));
}

void InfoWindowsTest::helpIsUsableFromAModalDialog() {
    test::Program p;
    p.game().S.Sounds = false;
    bool asked = false;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        AboutWindow* about = p.controller.aboutWindow();
        if (!about) return;
        QTest::keyClick(about, Qt::Key_F1);
        HelpWindow* help = p.controller.helpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->currentPage(), QStringLiteral("about.html"));
        modality = help->windowModality();
        help->close();
        QTest::mouseClick(find<QPushButton>(about, "cmdOK"), Qt::LeftButton);
        asked = true;
    });
    QTimer::singleShot(3000, [&] {
        if (p.controller.aboutWindow()) p.controller.closeWindow(WindowId::About, 0);
    });
    p.controller.showWindow(WindowId::About, 0, true);
    QVERIFY(asked);
    // Over a modal dialog the help must take input itself.
    QCOMPARE(modality, Qt::ApplicationModal);

    // Asked for from the main window it leaves the game playable.
    p.controller.showHelp("");
    QCOMPARE(p.controller.helpWindow()->windowModality(), Qt::NonModal);
    QCOMPARE(p.controller.helpWindow()->currentPage(), QStringLiteral("index.html"));
}

void InfoWindowsTest::f1InEveryWindowOpensItsOwnTopic() {
    test::Program p;
    Game& g = p.game();
    test::SetUpGame(g, 2);
    g.RefreshPlayerWindows();
    Controller& c = p.controller;
    const struct {
        WindowId id;
        int index;
        const char* page;
    } windows[] = {{WindowId::Player, 2, "playerwindow.html"}, {WindowId::BuyCompany, 0, "buy.html"},
                   {WindowId::Wait, 0, "waiting.html"},         {WindowId::SellCompanies, 0, "sell.html"},
                   {WindowId::Loan, 0, "loan.html"},            {WindowId::NewGame, 0, "newgame.html"},
                   {WindowId::Graph, 0, "graph.html"},          {WindowId::Results, 0, "results.html"},
                   {WindowId::About, 0, "about.html"}};
    for (const auto& w : windows) {
        c.showHelp("cells");
        c.helpWindow()->hide();
        c.showWindow(w.id, w.index, false);
        QWidget* window = nullptr;
        switch (w.id) {
            case WindowId::Player: window = c.playerWindow(w.index); break;
            case WindowId::BuyCompany: window = c.buyWindow(); break;
            case WindowId::Wait: window = c.waitWindow(); break;
            case WindowId::SellCompanies: window = c.sellWindow(); break;
            case WindowId::Loan: window = c.loanWindow(); break;
            case WindowId::NewGame: window = c.newGameWindow(); break;
            case WindowId::Graph: window = c.graphWindow(); break;
            case WindowId::Results: window = c.resultsWindow(); break;
            case WindowId::About: window = c.aboutWindow(); break;
            case WindowId::Main: break;
        }
        QVERIFY2(window, w.page);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_F1);
        QCOMPARE(c.helpWindow()->currentPage(), QString::fromLatin1(w.page));
        c.closeWindow(w.id, w.index);
    }
}

void InfoWindowsTest::logShowsExactlyTheLogAfterAVoidDisaster() {
    test::Program p;
    Game& g = p.game();
    test::SetUpGame(g, 2);
    g.Log.Add(0, "Game started!");
    p.controller.showLog();
    LogWindow* w = p.controller.logWindow();
    QVERIFY(w);
    // The Computer line as a void flood leaves it: shown, then drawn again.
    for (const char* decision : {"Computer: Flood at Software Complex!", "Computer: All players get $200,000 from the bank!"}) {
        g.Main.lblComputerPrompt.text = decision;
        g.ShowPrompts();
        w->render();
    }
    const auto& lines = g.Log.Lines();
    QCOMPARE(lines.size(), std::size_t(2));
    QCOMPARE(w->list()->count(), 2);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(w->list()->item(i)->text(), QString::fromStdString(GameLog::Format(lines[static_cast<std::size_t>(i)])));
}

void InfoWindowsTest::logChatLinesComeInOrderAndAreNotTheGamesLog() {
    test::Program p;
    Game& g = p.game();
    test::SetUpGame(g, 2);
    g.Log.Add(0, "Game started!");
    p.controller.showLog();
    LogWindow* w = p.controller.logWindow();
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("txtChat"));
    QVERIFY(box && !box->isVisible());
    QStringList sent;
    w->enableChat([&sent](const QString& text) { sent << text; });
    QVERIFY(box->isVisible());
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral(" hello "));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Return);  // nothing left to say
    QCOMPARE(sent, QStringList{QStringLiteral("hello")});
    QVERIFY(box->text().isEmpty());

    w->addChatLine(QStringLiteral("Ann"), QStringLiteral("hello"));
    g.Log.Add(0, "Next line");
    w->render();
    QCOMPARE(w->list()->count(), 3);
    QCOMPARE(w->list()->item(1)->text(), QStringLiteral("Ann: hello"));
    QVERIFY(!w->copyText(true).contains(QStringLiteral("hello")));
    // A new game reads the log afresh; what was said stays in the window.
    g.Log.Clear();
    g.Log.Add(0, "Game started!");
    w->render();
    QCOMPARE(w->list()->count(), 2);
    QCOMPARE(w->list()->item(0)->text(), QStringLiteral("Ann: hello"));
    shot(w, QStringLiteral("log_chat"));
}

void InfoWindowsTest::hostWindowLinkAddressesAndSeats() {
    test::Program p;
    HostWindow w(p.controller);
    // Every box and list is named by its label, for a screen reader.
    for (QWidget* control : w.findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QComboBox*>(control) &&
            !qobject_cast<QAbstractSpinBox*>(control) && !qobject_cast<QListWidget*>(control))
            continue;
        if (qobject_cast<QLineEdit*>(control) && qobject_cast<QAbstractSpinBox*>(control->parent())) continue;
        bool named = false;
        for (QLabel* label : w.findChildren<QLabel*>()) named = named || label->buddy() == control;
        QVERIFY2(named, qPrintable(control->objectName()));
    }
    auto* link = w.findChild<QLineEdit*>(QStringLiteral("txtLink"));
    auto* address = w.findChild<QComboBox*>(QStringLiteral("cmbAddress"));
    QVERIFY(link && link->isReadOnly() && address);
    w.setAddresses({QHostAddress::LocalHost, QHostAddress(QStringLiteral("fe80::1%eth0")),
                    QHostAddress(QStringLiteral("2001:db8::7")), QHostAddress(QStringLiteral("192.168.1.20"))});
    QCOMPARE(address->count(), 3);
    QCOMPARE(address->itemText(0), QStringLiteral("192.168.1.20"));
    QCOMPARE(address->itemText(2), QStringLiteral("127.0.0.1"));
    QVERIFY(link->text().isEmpty());
    // The game runs the server in its own process, on the port it is given.
    QTemporaryDir data;
    server::ServerConfig config;
    config.address = QHostAddress::LocalHost;
    config.port = 0;
    config.dataDir = data.path();
    server::Server host(config);
    QString error;
    QVERIFY2(host.start(&error), qPrintable(error));
    const int port = QUrl(host.url()).port();
    QVERIFY(port > 0);
    w.setListening(static_cast<quint16>(port), QStringLiteral("ABC234"));
    QCOMPARE(link->text(), QStringLiteral("zentrix://192.168.1.20:%1/ABC234").arg(port));
    address->setCurrentIndex(1);
    QCOMPARE(link->text(), QStringLiteral("zentrix://[2001:db8::7]:%1/ABC234").arg(port));
    w.findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
    QCOMPARE(QApplication::clipboard()->text(), link->text());

    QCborMap status;
    QCborArray seats;
    seats.append(QCborMap{{QStringLiteral("seat"), 1}, {QStringLiteral("name"), QStringLiteral("Ann")},
                          {QStringLiteral("type"), QStringLiteral("remote")}, {QStringLiteral("free"), false},
                          {QStringLiteral("connected"), true}});
    seats.append(QCborMap{{QStringLiteral("seat"), 2}, {QStringLiteral("name"), QStringLiteral("Player 2")},
                          {QStringLiteral("type"), QStringLiteral("remote")}, {QStringLiteral("free"), true},
                          {QStringLiteral("connected"), false}});
    status.insert(QStringLiteral("seats"), seats);
    w.setStatus(status);
    auto* list = w.findChild<QListWidget*>(QStringLiteral("lstSeats"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Seat 1: Ann, joined"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Seat 2: open"));
    shot(&w, QStringLiteral("host"));
}

QTEST_MAIN(InfoWindowsTest)
#include "tst_info_windows.moc"
