// Two people at two screens play at a real zentrix-server on loopback: the
// windows draw each seat's view, their clicks go to the server, a sale hides
// each bid from the other until Submit, a box reaches only its addressee,
// and a connection cut in the middle of a sale comes back with the typed bid.
// A host opens a table from the menu and plays at it with a guest who came
// by the invite link, and they chat.
#include <QCborArray>
#include <QCborMap>
#include <QComboBox>
#include <QPainter>
#include <QListWidget>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>
#include <memory>

#include "ai/autopilot.h"
#include "client/remote_table.h"
#include "net/protocol.h"
#include "testsupport.h"
#include "windows/host_window.h"
#include "windows/join_window.h"
#include "windows/log_window.h"
#include "windows/new_game_window.h"
#include "windows/qt_text.h"
#include "windows/main_window.h"
#include "windows/sell_window.h"

using namespace zx;

namespace {

// One person's screen: a controller with scripted boxes, and a hand that
// clicks as a normal computer player would, through the windows' door.
struct Screen {
    StdRandom random{7};
    test::ScriptedHooks hooks;
    Controller controller{random};
    std::unique_ptr<ai::Autopilot> hand;
    bool waiting = false;
    QElapsedTimer sentAt;
    Screen() {
        controller.setHooks(&hooks);
        controller.start();
    }
    Game& game() { return controller.game(); }
    int slot() const { return controller.remote() ? controller.remote()->slot() : 0; }
    void takeHand(std::uint64_t seed) {
        hand = std::make_unique<ai::Autopilot>(game(), seed);
        hand->PlayOnlyChosenSeats();
        hand->PlaySeat(game().IdOf(slot()), Normal);
        hand->SendMovesTo([this](const Op& op) {
            waiting = true;
            sentAt.start();
            controller.act(op);
        });
        QObject::connect(controller.remote(), &client::RemoteTable::viewChanged, &controller, [this] { waiting = false; });
    }
    // One movement, when the last one has been answered.
    void step() {
        if (!hand) return;
        if (waiting && sentAt.elapsed() < 1500) return;
        waiting = false;
        // A company offered is bought when the money is there, and no money
        // is put in the bank: the game is to come to a sale soon.
        const GameState& s = game().S;
        const bool myTurn = s.CurrentPlayer == slot();
        const BuyCompanyForm& buy = game().BuyForm;
        if (buy.Loaded && myTurn && s.BuyMode) {
            const bool tooDear = !hooks.messages.empty() && hooks.messages.back().id == "Sorry!";
            hooks.messages.erase(std::remove_if(hooks.messages.begin(), hooks.messages.end(), [](const Message& m) { return m.id == "Sorry!"; }),
                                 hooks.messages.end());
            int row = 1;
            while (row <= 3 && !buy.optNameEnabled[static_cast<std::size_t>(row)]) ++row;
            if (!tooDear && row <= 3) controller.act({.kind = OpKind::BuyChoose, .index = row});
            waiting = controller.act({.kind = tooDear || row > 3 ? OpKind::BuyCancel : OpKind::BuyBuy});
            sentAt.start();
            return;
        }
        if (s.DepositMode && myTurn) {
            controller.act({.kind = OpKind::DeskType, .window = slot(), .text = ""});
            waiting = controller.act({.kind = OpKind::DeskDeposit, .window = slot()});
            sentAt.start();
            return;
        }
        for (int i = 0; i < 20 && !waiting && hand->Step(); ++i) {
        }
    }
    // How many boxes with this English title were shown here.
    int boxes(const std::string& id) const {
        return static_cast<int>(std::count_if(hooks.messages.begin(), hooks.messages.end(), [&id](const Message& m) { return m.id == id; }));
    }
};

// With ZENTRIX_SHOTS set to a folder, what the screens show is saved there
// for a person to look at: each screen as its windows lie over each other.
// The offscreen screen is small; a larger one is asked for with
// QT_QPA_PLATFORM=offscreen:configfile=F.json ({"screens": [{"width": 2400,
// "height": 900, ...}]}).
void shoot(const QString& file, const std::vector<Controller*>& screens) {
    const QString folder = qEnvironmentVariable("ZENTRIX_SHOTS");
    if (folder.isEmpty()) return;
    std::vector<QImage> parts;
    for (Controller* c : screens) {
        QWidget& main = c->mainWindow();
        // Room for the board between the personal windows.
        main.resize(1100, 820);
        QTest::qWait(100);
        c->placePlayerWindows();
        QImage image(main.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.drawPixmap(0, 0, main.grab());
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &main && w->isVisible() && (w->parentWidget() == &main || w->window() != w))
                painter.drawPixmap(w->geometry().topLeft() - main.geometry().topLeft(), w->grab());
        parts.push_back(image);
    }
    int width = 0, height = 0;
    for (const QImage& i : parts) {
        width += i.width();
        height = std::max(height, i.height());
    }
    QImage all(width, height, QImage::Format_RGB32);
    all.fill(Qt::darkGray);
    QPainter painter(&all);
    int x = 0;
    for (const QImage& i : parts) {
        painter.drawImage(x, 0, i);
        x += i.width();
    }
    all.save(folder + QLatin1Char('/') + file);
}

}  // namespace

class TestNetworkGame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void mistakesLeaveTheProgramUsable();
    void twoScreensPlayAGame();
    void aHostPlaysWithAGuestAndTheyChat();

private:
    QString createTable(const QStringList& names, std::uint64_t seed);
    QTemporaryDir dir_;
    QProcess server_;
    QUrl url_;
};

void TestNetworkGame::initTestCase() {
    QVERIFY(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath(QStringLiteral("settings")));
    test::quietOffscreenWarnings();
    server_.setProgram(QStringLiteral(ZENTRIX_SERVER));
    server_.setArguments({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"), dir_.filePath(QStringLiteral("data"))});
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start();
    QVERIFY(server_.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(server_.canReadLine(), 10000);
    const QString line = QString::fromUtf8(server_.readLine()).trimmed();
    const int colon = line.lastIndexOf(QLatin1Char(':'));
    QVERIFY2(line.startsWith(QLatin1String("listening on ws://")) && colon > 0, qPrintable(line));
    url_ = QUrl(QStringLiteral("ws://127.0.0.1:") + line.mid(colon + 1));
}

void TestNetworkGame::cleanupTestCase() {
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill();
}

QString TestNetworkGame::createTable(const QStringList& names, std::uint64_t seed) {
    QWebSocket socket;
    QString code;
    QObject::connect(&socket, &QWebSocket::connected, [&] { socket.sendBinaryMessage(net::HelloFrame()); });
    QObject::connect(&socket, &QWebSocket::binaryMessageReceived, [&](const QByteArray& b) {
        const QCborMap m = net::DecodeFrame(b).value_or(QCborMap());
        const QString kind = m.value(QLatin1String("kind")).toString();
        if (kind == net::KindName(net::Kind::Welcome)) {
            std::vector<net::SeatChoice> seats;
            // A name alone is a remote seat; "*" a computer's.
            for (const QString& n : names)
                seats.push_back({n == QLatin1String("*") ? net::SeatType::Easy : net::SeatType::Remote, n == QLatin1String("*") ? QString() : n, false});
            socket.sendBinaryMessage(net::CreateFrame(seats, {}, seed));
        }
        if (kind == net::KindName(net::Kind::Created)) code = m.value(QLatin1String("table")).toString();
    });
    socket.open(url_);
    if (!QTest::qWaitFor([&] { return !code.isEmpty(); }, 10000)) return {};
    return code;
}

void TestNetworkGame::mistakesLeaveTheProgramUsable() {
    Screen s;
    auto lastBox = [&s] { return s.hooks.messages.empty() ? QString() : toQt(s.hooks.messages.back().text); };

    s.controller.openLinkAtStart(QStringLiteral("zentrix://no port here/ABC"));
    QCOMPARE(s.hooks.messages.size(), std::size_t(1));
    QVERIFY(lastBox().contains(QLatin1String("zentrix://HOST:PORT/CODE")));
    QVERIFY(!s.controller.networked());

    // A port nobody listens on (taken from the system, then let go).
    quint16 freePort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        freePort = probe.serverPort();
    }
    s.controller.showJoinWindow();
    JoinWindow* join = s.controller.joinWindow();
    QVERIFY(join && join->isVisible());
    QCOMPARE(join->windowTitle(), QStringLiteral("Join a network game"));
    test::typeInto(join->serverBox(), QStringLiteral("127.0.0.1:%1").arg(freePort));
    test::typeInto(join->nameBox(), QStringLiteral("Cy"));
    test::clickOn(join->joinButton());
    QCOMPARE(s.hooks.messages.size(), std::size_t(2));  // no table chosen
    join->serverBox()->setText(QStringLiteral("zentrix://127.0.0.1:%1/ABCDEF").arg(freePort));
    test::clickOn(join->joinButton());
    QTRY_COMPARE_WITH_TIMEOUT(s.hooks.messages.size(), std::size_t(3), 15000);
    QVERIFY2(lastBox().startsWith(QLatin1String("No Zentrix server answers")), qPrintable(lastBox()));
    QTRY_VERIFY(!s.controller.networked());

    // A full table: its one seat is taken by somebody else first.
    const QString code = createTable({QStringLiteral("Ann"), QStringLiteral("*")}, 1);
    QVERIFY(!code.isEmpty());
    Screen ann;
    QVERIFY(ann.controller.joinNetworkGame(url_, code, QStringLiteral("Ann")));
    QTRY_VERIFY_WITH_TIMEOUT(ann.game().S.GameInProgress, 10000);
    join->serverBox()->setText(client::InviteLink(url_, code));
    test::clickOn(join->joinButton());
    QTRY_COMPARE_WITH_TIMEOUT(s.hooks.messages.size(), std::size_t(4), 10000);
    QVERIFY2(lastBox().contains(QLatin1String("no free seat")), qPrintable(lastBox()));
    QTRY_VERIFY(!s.controller.networked());
    QVERIFY(join->isVisible());

    // Still a game at one screen.
    s.controller.mainWindow().mnuGameNew->trigger();
    QVERIFY(s.controller.newGameWindow());
    QLabel* status = s.controller.mainWindow().networkStatus();
    QVERIFY(!status || (status->text().isEmpty() && !status->isVisibleTo(&s.controller.mainWindow())));
}

void TestNetworkGame::twoScreensPlayAGame() {
    const QString code = createTable({QStringLiteral("Ann"), QStringLiteral("Ben")}, 4242);
    QVERIFY(!code.isEmpty());
    Screen ann, ben;
    QVERIFY(ann.controller.joinNetworkGame(url_, code, QStringLiteral("Ann")));
    QTRY_VERIFY_WITH_TIMEOUT(ann.controller.remote()->seated(), 10000);
    QVERIFY(!ann.game().S.GameInProgress);
    QVERIFY(ben.controller.joinNetworkGame(url_, code, QStringLiteral("Ben")));
    QTRY_VERIFY_WITH_TIMEOUT(ann.game().S.GameInProgress && ben.game().S.GameInProgress, 10000);
    QTRY_VERIFY(ann.slot() >= 1 && ben.slot() >= 1 && ann.slot() != ben.slot());
    QTRY_VERIFY(ann.controller.mainWindow().networkStatus());
    QTRY_VERIFY(ann.controller.mainWindow().networkStatus()->text().startsWith(QLatin1String("Connected to 127.0.0.1")));
    // Each screen shows both personal windows; only its own is worked there.
    QTRY_VERIFY(ann.controller.playerWindow(1) && ann.controller.playerWindow(2));
    QVERIFY(ann.controller.computerSeat(ben.slot()) && !ann.controller.computerSeat(ann.slot()));

    // Ann has nothing to sell: the box says so on her screen alone.
    QVERIFY(ann.controller.act({.kind = OpKind::DeskSell, .window = ann.slot()}));
    QTRY_VERIFY_WITH_TIMEOUT(!ann.hooks.messages.empty(), 10000);
    QCOMPARE(ann.hooks.messages.back().id, std::string("No companies"));
    // Ben's click on Ann's window does nothing.
    QVERIFY(!ben.controller.act({.kind = OpKind::DeskSell, .window = ann.slot()}));

    // A server that starts its games without the players' money (or their
    // pieces on the start cells) never comes to a sale in a short game.
    if (ann.game().S.Cash[static_cast<std::size_t>(ann.slot())] == 0)
        QSKIP("The server started the game with no money in the players' hands");

    // Their hands play until somebody owns a company and nothing is under way.
    ann.takeHand(1);
    ben.takeHand(2);
    auto someoneOwns = [](Game& g) {
        for (int k = 1; k < static_cast<int>(g.S.CompanyOwner.size()); ++k)
            if (g.S.CompanyOwner[static_cast<std::size_t>(k)] != 0) return true;
        return false;
    };
    auto idle = [](Game& g) {
        return g.Main.cmdRollDiceEnabled && !g.S.MoneyChanging && !g.BuyForm.Loaded && !g.SellForm.Loaded &&
               !g.LoanDialog.Loaded && !g.Wait.Loaded && !g.TimerEnabled(TimerId::MovePieces);
    };
    bool walked = false;
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
        ann.step();
        ben.step();
        walked = walked || ann.controller.timer(TimerId::MovePieces)->isActive();
        return someoneOwns(ann.game()) && idle(ann.game()) && idle(ben.game());
    }()), 120000);
    ann.hand.reset();
    ben.hand.reset();
    QVERIFY(walked);  // the walk was played out on the screen
    QCOMPARE(ann.game().S.CompanyOwner, ben.game().S.CompanyOwner);
    QCOMPARE(ann.game().S.Cash, ben.game().S.Cash);

    // The owner sells; the other bids.
    Screen* seller = &ann;
    Screen* bidder = &ben;
    for (int id : ann.game().S.CompanyOwner)
        if (id == ben.game().IdOf(ben.slot())) std::swap(seller, bidder);
    QVERIFY(seller->controller.act({.kind = OpKind::DeskSell, .window = seller->slot()}));
    QTRY_VERIFY_WITH_TIMEOUT(seller->controller.sellWindow() && bidder->controller.sellWindow(), 10000);
    SellCompaniesForm& mine = bidder->game().SellForm;
    int company = 0;
    while (company < 5 && !seller->game().SellForm.optNameVisible[static_cast<std::size_t>(company)]) ++company;
    // The choice and the bid go to the table over two connections, and a
    // choice clears the bids: the company is chosen only when it is not
    // already, and the bid waits until the bidder sees it chosen, as a
    // person would.
    QTRY_VERIFY_WITH_TIMEOUT(mine.optNameVisible[static_cast<std::size_t>(company)], 10000);
    if (!seller->game().SellForm.optNameValue[static_cast<std::size_t>(company)])
        QVERIFY(seller->controller.act({.kind = OpKind::SaleChooseCompany, .index = company}));
    QTRY_VERIFY_WITH_TIMEOUT(mine.optNameValue[static_cast<std::size_t>(company)], 10000);
    int row = 1;
    while (row < 4 && mine.optPlayerId[static_cast<std::size_t>(row)] != bidder->game().IdOf(bidder->slot())) ++row;
    QVERIFY(row < 4);
    QVERIFY(bidder->controller.act({.kind = OpKind::SaleBid, .index = row, .text = "1000000"}));
    QTRY_VERIFY_WITH_TIMEOUT(seller->game().SellForm.txtBid[static_cast<std::size_t>(row)] == "?", 10000);
    QCOMPARE(mine.txtBid[static_cast<std::size_t>(row)], std::string("1000000"));

    // Cut off while typing: what he typed comes back with his seat.
    bidder->controller.remote()->dropConnection();
    QVERIFY(bidder->controller.act({.kind = OpKind::SaleBid, .index = row, .text = "1200000"}));
    QTRY_VERIFY_WITH_TIMEOUT(bidder->controller.mainWindow().networkStatus()->text().contains(QLatin1String("trying again")), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(bidder->controller.remote()->connected() && bidder->controller.remote()->seated(), 20000);
    QTRY_VERIFY(bidder->controller.mainWindow().networkStatus()->text().startsWith(QLatin1String("Connected")));
    QTRY_COMPARE(mine.txtBid[static_cast<std::size_t>(row)], std::string("1200000"));
    QTest::qWait(300);
    QCOMPARE(seller->game().SellForm.txtBid[static_cast<std::size_t>(row)], std::string("?"));

    // Submit shows the bid to the seller.
    QVERIFY(bidder->controller.act({.kind = OpKind::SaleSubmit}));
    QTRY_VERIFY_WITH_TIMEOUT(seller->game().SellForm.txtBid[static_cast<std::size_t>(row)].find("1,200,000") != std::string::npos, 10000);
    QVERIFY(seller->controller.act({.kind = OpKind::SaleClose}));
    QTRY_VERIFY_WITH_TIMEOUT(!seller->controller.sellWindow() && !bidder->controller.sellWindow(), 10000);

    // The seller gives up: the other wins, and both screens show the results.
    seller->hooks.answers.push_back(MsgAnswer::Yes);
    QVERIFY(seller->controller.act({.kind = OpKind::DeskQuit, .window = seller->slot()}));
    QTRY_VERIFY_WITH_TIMEOUT(seller->controller.resultsWindow() && bidder->controller.resultsWindow(), 20000);
    // Each question was asked on its addressee's screen alone.
    QCOMPARE(seller->boxes("Lose confirmation"), 1);
    QCOMPARE(bidder->boxes("Lose confirmation"), 0);
    QCOMPARE(ann.boxes("No companies"), 1);
    QCOMPARE(ben.boxes("No companies"), 0);
}

void TestNetworkGame::aHostPlaysWithAGuestAndTheyChat() {
    // The hosted server keeps its tables with the program's data: here.
    qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("xdg")).toUtf8());
    Screen host, guest;
    host.controller.mainWindow().mnuGameHost->trigger();
    NewGameWindow* form = host.controller.newGameWindow();
    QVERIFY(form && form->hosting());
    test::typeInto(test::find<QLineEdit>(form, QStringLiteral("txtPlayerName_1")), QStringLiteral("Hanna"));
    test::typeInto(test::find<QLineEdit>(form, QStringLiteral("txtPlayerName_2")), QStringLiteral("Gus"));
    auto* type = test::find<QComboBox>(form, QStringLiteral("cmbPlayerType_2"));
    QCOMPARE(type->itemText(type->count() - 1), QStringLiteral("Network player"));
    type->setCurrentIndex(type->count() - 1);
    test::clickOn(test::find<QPushButton>(form, QStringLiteral("cmdStart")));
    QTRY_VERIFY_WITH_TIMEOUT(host.controller.hostWindow() && host.controller.remote() && host.controller.remote()->seated(), 10000);
    QVERIFY(!host.game().S.GameInProgress);  // Gus is not here yet
    HostWindow* hosting = host.controller.hostWindow();
    QVERIFY(hosting->isVisible());
    // Only loopback is reached in tests; a person picks the address others reach.
    hosting->setAddresses({QHostAddress(QHostAddress::LocalHost)});
    const QString link = hosting->link();
    QCOMPARE(link, QStringLiteral("zentrix://127.0.0.1:%1/%2").arg(host.controller.hostedPort()).arg(host.controller.remote()->table()));
    auto* seats = test::find<QListWidget>(hosting, QStringLiteral("lstSeats"));
    QTRY_COMPARE(seats->count(), 2);
    QCOMPARE(seats->item(0)->text(), QStringLiteral("Seat 1: Hanna, joined"));
    QCOMPARE(seats->item(1)->text(), QStringLiteral("Seat 2: open"));
    if (!qEnvironmentVariableIsEmpty("ZENTRIX_SHOTS")) hosting->grab().save(qEnvironmentVariable("ZENTRIX_SHOTS") + QStringLiteral("/host.png"));

    guest.controller.showJoinWindow(link);
    test::typeInto(guest.controller.joinWindow()->nameBox(), QStringLiteral("Gus"));
    test::clickOn(guest.controller.joinWindow()->joinButton());
    QTRY_VERIFY_WITH_TIMEOUT(host.game().S.GameInProgress && guest.game().S.GameInProgress, 10000);
    QCOMPARE(host.slot(), 1);
    QCOMPARE(guest.slot(), 2);
    QTRY_COMPARE(seats->item(1)->text(), QStringLiteral("Seat 2: Gus, joined"));

    // The host saves the server's game to the same file as a game at one
    // screen; loaded later it is one, with the seats' names.
    QVERIFY(host.controller.mainWindow().mnuGameSave->isEnabled());
    QVERIFY(!guest.controller.mainWindow().mnuGameSave->isEnabled());
    const QString saved = dir_.filePath(QStringLiteral("hosted"));
    host.hooks.saveAnswers.push_back(saved.toStdString());
    host.controller.mainWindow().mnuGameSave->trigger();
    QCOMPARE(host.hooks.messages.back().id, std::string("Game saved"));
    // Asked whether to host it again: No is a game at one screen.
    GameState fromFile;
    {
        Screen later;
        later.hooks.answers.push_back(MsgAnswer::No);
        later.controller.openAtStart(saved + QStringLiteral(".znx"));
        QCOMPARE(later.boxes("Host again"), 1);
        QVERIFY(later.game().S.GameInProgress);
        QVERIFY(!later.controller.networked());
        QCOMPARE(later.game().Name(1), std::string("Hanna"));
        QCOMPARE(later.game().Name(2), std::string("Gus"));
        fromFile = later.game().S;
    }

    // A line said on either screen reaches the log of both, with its sayer.
    auto say = [](Screen& s, const QString& text) {
        s.controller.showLog();
        LogWindow* log = s.controller.logWindow();
        test::typeInto(test::find<QLineEdit>(log, QStringLiteral("txtChat")), text);
        test::clickOn(test::find<QPushButton>(log, QStringLiteral("cmdSend")));
    };
    auto heard = [](Screen& s, const QString& line) {
        LogWindow* log = s.controller.logWindow();
        return log && !log->list()->findItems(line, Qt::MatchExactly).isEmpty();
    };
    say(host, QStringLiteral("Welcome, Gus"));
    QTRY_VERIFY_WITH_TIMEOUT(heard(guest, QStringLiteral("Hanna: Welcome, Gus")) && heard(host, QStringLiteral("Hanna: Welcome, Gus")), 5000);
    say(guest, QStringLiteral("Thanks!"));
    QTRY_VERIFY_WITH_TIMEOUT(heard(host, QStringLiteral("Gus: Thanks!")), 5000);
    // The game goes on meanwhile: the host rolls.
    QVERIFY(host.controller.act({.kind = OpKind::RollDice}));
    QTRY_VERIFY_WITH_TIMEOUT(guest.game().S.Dice > 0, 10000);
    hosting->hide();
    for (Screen* s : {&host, &guest}) s->controller.logWindow()->hide();
    shoot(QStringLiteral("two_clients.png"), {&host.controller, &guest.controller});
    if (!qEnvironmentVariableIsEmpty("ZENTRIX_SHOTS")) {
        guest.controller.remote()->dropConnection();
        QTRY_VERIFY(guest.controller.mainWindow().networkStatus()->text().contains(QLatin1String("trying again")));
        shoot(QStringLiteral("reconnecting.png"), {&guest.controller});
        QTRY_VERIFY_WITH_TIMEOUT(guest.controller.remote()->connected(), 10000);
    }

    // Back at one screen, the log has no chat line.
    const QString token = host.controller.remote()->token();
    host.controller.mainWindow().mnuGameClose->trigger();
    QVERIFY(!host.controller.networked());
    host.controller.showLog();
    QVERIFY(!test::find<QLineEdit>(host.controller.logWindow(), QStringLiteral("txtChat"))->isVisible());

    // The host's seat is offered back (once) and taken up at his own server.
    QStringList kept = QSettings().value(QStringLiteral("network/games")).toStringList();
    kept.erase(std::remove_if(kept.begin(), kept.end(), [&](const QString& g) { return !g.endsWith(token); }), kept.end());
    QSettings().setValue(QStringLiteral("network/games"), kept);
    host.controller.offerResumeAtStart();
    QTRY_VERIFY_WITH_TIMEOUT(host.controller.remote() && host.controller.remote()->seated() && host.slot() == 1, 10000);
    QCOMPARE(host.controller.hostWindow()->link(), link);
    host.controller.mainWindow().mnuGameClose->trigger();
    const auto asked = host.hooks.messages.size();
    host.controller.offerResumeAtStart();
    QCOMPARE(host.hooks.messages.size(), asked);

    // Yes: the saved game is hosted again, Gus's seat open for him.
    host.hooks.openAnswers.push_back((saved + QStringLiteral(".znx")).toStdString());
    host.controller.mainWindow().mnuGameLoad->trigger();
    QCOMPARE(host.boxes("Host again"), 1);
    QTRY_VERIFY_WITH_TIMEOUT(host.controller.remote() && host.controller.remote()->seated(), 10000);
    hosting = host.controller.hostWindow();
    QVERIFY(hosting->isVisible());
    QVERIFY(hosting->link() != link);
    QTRY_COMPARE(seats->count(), 2);
    QCOMPARE(seats->item(0)->text(), QStringLiteral("Seat 1: Hanna, joined"));
    QCOMPARE(seats->item(1)->text(), QStringLiteral("Seat 2: open"));
    guest.controller.showJoinWindow(hosting->link());
    test::typeInto(guest.controller.joinWindow()->nameBox(), QStringLiteral("Gus"));
    test::clickOn(guest.controller.joinWindow()->joinButton());
    QTRY_VERIFY_WITH_TIMEOUT(host.game().S.GameInProgress && guest.game().S.GameInProgress, 10000);
    for (Screen* s : {&host, &guest}) {
        QCOMPARE(s->game().S.Moves, fromFile.Moves);
        QCOMPARE(s->game().S.Cash, fromFile.Cash);
    }
}

QTEST_MAIN(TestNetworkGame)
#include "tst_network_game.moc"
