// The dialogs around a game: setting one up, buying a company, waiting for
// a debt, and the results. Each is driven through its real window.

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "media/pictures.h"
#include "testsupport.h"
#include "windows/buy_window.h"
#include "windows/new_game_window.h"
#include "windows/picture_box.h"
#include "windows/player_window.h"
#include "windows/results_window.h"
#include "windows/wait_window.h"

using namespace zx;
using namespace zx::test;

namespace {

NewGameWindow* openNewGame(Program& prog) {
    prog.game().mnuGameNew_Click();
    return prog.controller.newGameWindow();
}

void typeName(NewGameWindow* w, int row, const QString& name) {
    auto* box = find<QLineEdit>(w, QStringLiteral("txtPlayerName_%1").arg(row));
    box->selectAll();
    if (name.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, name);
}

// Starts a game of n players through the new-game window, quietly.
void startGame(Program& prog, int n) {
    static const char* const names[] = {"", "Alice", "Bob", "Carol", "Dave"};
    NewGameWindow* w = openNewGame(prog);
    QVERIFY(w);
    find<QRadioButton>(w, QStringLiteral("optNumOfPlayers_%1").arg(n))->click();
    for (int i = 1; i <= n; ++i) typeName(w, i, QString::fromLatin1(names[i]));
    for (const char* option : {"chkSounds", "chkBackgroundMusic", "chkAutoSave"})
        find<QCheckBox>(w, QString::fromLatin1(option))->click();
    find<QPushButton>(w, QStringLiteral("cmdStart"))->click();
    QCoreApplication::processEvents();
    QVERIFY(prog.game().S.GameInProgress);
    prog.game().SetTimer(TimerId::ChangeMoney, false);
}

struct Expect {
    const char* name;
    const char* text;
    const char* tip;
};

template <typename T> void expectTexts(QWidget* w, std::initializer_list<Expect> list) {
    for (const Expect& e : list) {
        T* c = find<T>(w, QString::fromLatin1(e.name));
        QVERIFY2(c, e.name);
        if constexpr (std::is_same_v<T, QGroupBox>)
            QCOMPARE(c->title(), QString::fromLatin1(e.text));
        else
            QCOMPARE(c->text(), QString::fromLatin1(e.text));
        QCOMPARE(c->toolTip(), QString::fromLatin1(e.tip));
    }
}

void expectHelpLine(QWidget* w) {
    auto* f1 = find<QLabel>(w, QStringLiteral("lblPressF1forHelp"));
    QVERIFY(f1);
    QCOMPARE(f1->text(), QStringLiteral("Press F1 for online help!"));
    QCOMPARE(f1->toolTip(), QStringLiteral("Press F1 for complete HTML Help on this window!"));
}

// The row's three controls are enabled, or disabled, together.
bool rowEnabled(NewGameWindow* w, int row) {
    bool name = find<QLineEdit>(w, QStringLiteral("txtPlayerName_%1").arg(row))->isEnabled();
    bool sex = find<QComboBox>(w, QStringLiteral("cmbPlayerSex_%1").arg(row))->isEnabled();
    bool type = find<QComboBox>(w, QStringLiteral("cmbPlayerType_%1").arg(row))->isEnabled();
    if (name != sex || name != type) qWarning("row %d is partly enabled", row);
    return name && sex && type;
}

QString piece(NewGameWindow* w, int p) { return find<PictureBox>(w, QStringLiteral("picPiece_%1").arg(p))->picture(); }

// Puts the current player on the market that sells complex 2.
BuyWindow* openMarket(Program& prog) {
    Game& g = prog.game();
    g.S.CurrentPlayer = 1;
    g.S.PlayerCell[1] = CellOfKind(CellKind::Market, 1);
    g.BuyCompany();
    QCoreApplication::processEvents();
    return prog.controller.buyWindow();
}

}  // namespace

class TestGameWindows : public QObject {
    Q_OBJECT
private slots:
    void newGameControls();
    void newGameNextSetCycles();
    void newGameNumberOfPlayersEnablesRows();
    void newGameStartRefusals();
    void newGameStartsWhatWasChosen();
    void newGameOffersNetworkPlayersOnlyWhenHosting();
    void newGameCloseLeavesNoGame();
    void buyWindowOffersTheFreeCompanies();
    void buyWindowRebuildsWhenActivated();
    void buyWindowBuysAndCancels();
    void waitWindowHoldsTheDebt();
    void resultsForTwoPlayers();
    void resultsForFourPlayers();
};

// ---- new game ----

void TestGameWindows::newGameControls() {
    Program prog;
    NewGameWindow* w = openNewGame(prog);
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("frmNewGame"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Start a new game"));
    QCOMPARE(w->helpTopic(), QStringLiteral("newgame"));
    QVERIFY(!w->isModal());
    expectHelpLine(w);
    expectTexts<QGroupBox>(w, {{"fraNumOfPlayers", "Number of players", ""},
                               {"fraPlayerInfo", "Player name && gender", ""},
                               {"fraPieceSet", "Piece style", ""},
                               {"fraCompanySet", "Type of companies", ""},
                               {"fraOptions", "Options", ""}});
    expectTexts<QRadioButton>(w, {{"optNumOfPlayers_2", "&2", ""},
                                  {"optNumOfPlayers_3", "&3", ""},
                                  {"optNumOfPlayers_4", "&4", ""},
                                  {"optCompanySet_1", "Com&puter companies", "Companies like Microsoft, Intel, HP, etc"},
                                  {"optCompanySet_2", "Ca&r manufacturers", "Companies like Ford, Nissan, BMW, etc"}});
    expectTexts<QCheckBox>(
        w, {{"chkAutoSave", "&Auto-save every 5 min's", "Check to save the game automatically every 5 minutes"},
            {"chkSounds", "Play &sounds", "Check to enable sounds during the game"},
            {"chkLimitReactionTime", "&Limit reaction time",
             "Check to set limits on the amount of time you've got to react to game prompts"},
            {"chkBackgroundMusic", "Play &background music", "Check to listen to soft music during the game"}});
    expectTexts<QPushButton>(w, {{"cmdNextSet", "&Next set", "See the next piece set"},
                                 {"cmdStart", "S&tart", "Start the game"},
                                 {"cmdClose", "&Close", "Cancel new game"}});
    QVERIFY(find<QPushButton>(w, QStringLiteral("cmdStart"))->isDefault());

    // The opening state: no number chosen, default names, all "F", set 1,
    // computer companies, the four options at their defaults.
    for (int n = 2; n <= 4; ++n) QVERIFY(!find<QRadioButton>(w, QStringLiteral("optNumOfPlayers_%1").arg(n))->isChecked());
    for (int i = 1; i <= 4; ++i) {
        auto* name = find<QLineEdit>(w, QStringLiteral("txtPlayerName_%1").arg(i));
        QCOMPARE(name->text(), QStringLiteral("Player %1").arg(i));
        QCOMPARE(name->maxLength(), 12);
        QVERIFY(!name->accessibleName().isEmpty());
        auto* sex = find<QComboBox>(w, QStringLiteral("cmbPlayerSex_%1").arg(i));
        QCOMPARE(sex->count(), 2);
        QCOMPARE(sex->itemText(0), QStringLiteral("F"));
        QCOMPARE(sex->itemText(1), QStringLiteral("M"));
        QCOMPARE(sex->currentIndex(), 0);
        QCOMPARE(sex->toolTip(), QStringLiteral("Choose F for female or M for Male"));
        auto* type = find<QComboBox>(w, QStringLiteral("cmbPlayerType_%1").arg(i));
        QCOMPARE(type->count(), 4);
        for (int t = 0; t < 4; ++t)
            QCOMPARE(type->itemText(t), QString::fromLatin1(
                                            std::array{"Human", "Computer (easy)", "Computer (normal)", "Computer (hard)"}[t]));
        QCOMPARE(type->currentIndex(), 0);
        QVERIFY(!type->toolTip().isEmpty());
        QCOMPARE(type->accessibleName(), QStringLiteral("Player %1 type").arg(i));
        QVERIFY(rowEnabled(w, i));
        QCOMPARE(piece(w, i), pictures::piecePath(i));
    }
    QVERIFY(find<QRadioButton>(w, QStringLiteral("optCompanySet_1"))->isChecked());
    QVERIFY(!find<QRadioButton>(w, QStringLiteral("optCompanySet_2"))->isChecked());
    QVERIFY(find<QCheckBox>(w, QStringLiteral("chkAutoSave"))->isChecked());
    QVERIFY(find<QCheckBox>(w, QStringLiteral("chkSounds"))->isChecked());
    QVERIFY(!find<QCheckBox>(w, QStringLiteral("chkLimitReactionTime"))->isChecked());
    QVERIFY(find<QCheckBox>(w, QStringLiteral("chkBackgroundMusic"))->isChecked());

    // An option changes the game's variable at once.
    find<QCheckBox>(w, QStringLiteral("chkLimitReactionTime"))->click();
    QVERIFY(prog.game().S.LimitReactionTime);
    find<QRadioButton>(w, QStringLiteral("optCompanySet_2"))->click();
    QCOMPARE(prog.game().S.CompanySet, 2);
    QVERIFY(!find<QRadioButton>(w, QStringLiteral("optCompanySet_1"))->isChecked());

    // Coming into a name box selects the whole name, so typing replaces it.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* second = find<QLineEdit>(w, QStringLiteral("txtPlayerName_2"));
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(4, second->height() / 2));
    QTRY_COMPARE(second->selectedText(), QStringLiteral("Player 2"));
    QTest::keyClicks(second, QStringLiteral("Bea"));
    QCOMPARE(second->text(), QStringLiteral("Bea"));
    QCOMPARE(prog.game().NewGame.txtPlayerName[2], std::string("Bea"));

    // A name is cut at 12 characters.
    typeName(w, 1, QStringLiteral("Maximilianus Rex"));
    QCOMPARE(find<QLineEdit>(w, QStringLiteral("txtPlayerName_1"))->text(), QStringLiteral("Maximilianus"));
    QCOMPARE(prog.game().NewGame.txtPlayerName[1], std::string("Maximilianus"));

    w->adjustSize();
    QVERIFY(w->width() <= 1024 && w->height() <= 700);
    QVERIFY(w->grab().save(QStringLiteral("/tmp/zx_new_game.png")));
}

void TestGameWindows::newGameNextSetCycles() {
    Program prog;
    NewGameWindow* w = openNewGame(prog);
    QVERIFY(w);
    auto* next = find<QPushButton>(w, QStringLiteral("cmdNextSet"));
    next->click();
    QCOMPARE(piece(w, 1), pictures::piecePath(5));
    QCOMPARE(piece(w, 4), pictures::piecePath(8));
    next->click();
    QCOMPARE(piece(w, 1), pictures::piecePath(9));
    QCOMPARE(piece(w, 4), pictures::piecePath(12));
    next->click();
    QCOMPARE(piece(w, 1), pictures::piecePath(1));
    QCOMPARE(prog.game().S.PieceSet, 1);
}

void TestGameWindows::newGameNumberOfPlayersEnablesRows() {
    Program prog;
    NewGameWindow* w = openNewGame(prog);
    QVERIFY(w);
    auto option = [w](int n) { return find<QRadioButton>(w, QStringLiteral("optNumOfPlayers_%1").arg(n)); };
    option(3)->click();
    QVERIFY(option(3)->isChecked());
    QVERIFY(rowEnabled(w, 3));
    QVERIFY(!rowEnabled(w, 4));
    QCOMPARE(prog.game().S.NumOfPlayers, 3);
    option(4)->click();
    QVERIFY(!option(3)->isChecked());
    QVERIFY(rowEnabled(w, 3) && rowEnabled(w, 4));
    option(2)->click();
    QVERIFY(rowEnabled(w, 1) && rowEnabled(w, 2));
    QVERIFY(!rowEnabled(w, 3) && !rowEnabled(w, 4));
    QCOMPARE(prog.game().S.NumOfPlayers, 2);
    QCOMPARE(prog.game().S.InitialNumOfPlayers, 2);
    // The access key chooses too.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_4, Qt::AltModifier);
    QTRY_COMPARE(prog.game().S.NumOfPlayers, 4);
    QVERIFY(rowEnabled(w, 4));
}

void TestGameWindows::newGameStartRefusals() {
    Program prog;
    NewGameWindow* w = openNewGame(prog);
    QVERIFY(w);
    find<QRadioButton>(w, QStringLiteral("optNumOfPlayers_3"))->click();
    auto* start = find<QPushButton>(w, QStringLiteral("cmdStart"));

    // An empty name: refused, the dialog stays and the box gets the focus.
    typeName(w, 2, QString());
    start->click();
    QCOMPARE(prog.hooks.messages.size(), std::size_t(1));
    QCOMPARE(prog.hooks.messages[0].text, std::string("Please enter a name."));
    QCOMPARE(prog.hooks.messages[0].title, std::string("No name"));
    QCOMPARE(prog.hooks.messages[0].icon, MsgIcon::Exclamation);
    QVERIFY(prog.controller.newGameWindow());
    QVERIFY(!prog.game().S.GameInProgress);
    QCOMPARE(w->focusWidget(), find<QLineEdit>(w, QStringLiteral("txtPlayerName_2")));

    // Equal names are refused; names that differ in case are not equal.
    typeName(w, 2, QStringLiteral("Player 1"));
    start->click();
    QCOMPARE(prog.hooks.messages.size(), std::size_t(2));
    QCOMPARE(prog.hooks.messages[1].text, std::string("Please don't use identical names."));
    QCOMPARE(prog.hooks.messages[1].title, std::string("Bad names"));
    QVERIFY(prog.controller.newGameWindow());

    // Blanks are a name, and an empty box beyond the players is ignored.
    typeName(w, 2, QStringLiteral("player 1"));
    typeName(w, 3, QStringLiteral(" "));
    typeName(w, 4, QString());
    find<QCheckBox>(w, QStringLiteral("chkSounds"))->click();
    find<QCheckBox>(w, QStringLiteral("chkBackgroundMusic"))->click();
    find<QCheckBox>(w, QStringLiteral("chkAutoSave"))->click();
    QPointer<NewGameWindow> guard(w);
    // Enter presses Start.
    QTest::keyClick(find<QLineEdit>(w, QStringLiteral("txtPlayerName_1")), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(prog.hooks.messages.size(), std::size_t(2));
    QVERIFY(prog.game().S.GameInProgress);
    QVERIFY(!guard || !guard->isVisible());
    QVERIFY(!prog.controller.newGameWindow());
    QCOMPARE(prog.game().S.PlayerName[2], std::string("player 1"));
    QCOMPARE(prog.game().S.PlayerName[3], std::string(" "));
}

void TestGameWindows::newGameStartsWhatWasChosen() {
    Program prog;
    NewGameWindow* w = openNewGame(prog);
    QVERIFY(w);
    find<QRadioButton>(w, QStringLiteral("optNumOfPlayers_4"))->click();
    typeName(w, 1, QStringLiteral("Ann"));
    typeName(w, 3, QStringLiteral("Carl"));
    auto* sex = find<QComboBox>(w, QStringLiteral("cmbPlayerSex_3"));
    sex->setCurrentIndex(1);
    emit sex->activated(1);
    find<QComboBox>(w, QStringLiteral("cmbPlayerType_2"))->setCurrentIndex(3);
    // A computer chosen in a row that is then left out plays no part.
    find<QComboBox>(w, QStringLiteral("cmbPlayerType_4"))->setCurrentIndex(1);
    find<QRadioButton>(w, QStringLiteral("optNumOfPlayers_3"))->click();
    find<QPushButton>(w, QStringLiteral("cmdNextSet"))->click();
    find<QRadioButton>(w, QStringLiteral("optCompanySet_2"))->click();
    for (const char* option : {"chkSounds", "chkBackgroundMusic", "chkAutoSave"})
        find<QCheckBox>(w, QString::fromLatin1(option))->click();
    find<QPushButton>(w, QStringLiteral("cmdStart"))->click();
    QCoreApplication::processEvents();
    const GameState& s = prog.game().S;
    QVERIFY(s.GameInProgress);
    QCOMPARE(s.NumOfPlayers, 3);
    QCOMPARE(s.PlayerType, (PerPlayer<PlayerType>{Human, Human, Hard, Human, Human}));
    QCOMPARE(s.PlayerName[1], std::string("Ann"));
    QCOMPARE(s.PlayerName[3], std::string("Carl"));
    QCOMPARE(s.PlayerSex[3], std::string("Male"));
    QCOMPARE(s.PieceSet, 2);
    QCOMPARE(s.CompanySet, 2);
    // The personal windows are up, titled by their owners.
    QCOMPARE(prog.controller.playerWindow(3)->windowTitle(), QStringLiteral("Carl"));
}

void TestGameWindows::newGameOffersNetworkPlayersOnlyWhenHosting() {
    Program prog;
    NewGameWindow* w = openNewGame(prog);
    QVERIFY(w);
    auto* type = find<QComboBox>(w, QStringLiteral("cmbPlayerType_2"));
    QCOMPARE(type->count(), 4);
    w->setHosting(true);
    QCOMPARE(type->count(), 5);
    QCOMPARE(type->itemText(4), QStringLiteral("Network player"));
    type->setCurrentIndex(4);
    // Redrawn from the model, which knows the seat as a person's, the row
    // still says the network's.
    w->render();
    QCOMPARE(type->currentIndex(), 4);
    QVERIFY(w->isNetworkSeat(2) && !w->isNetworkSeat(1));
    QCOMPARE(prog.game().NewGame.cmbPlayerType[2], int(Human));
    type->setCurrentIndex(3);
    QVERIFY(!w->isNetworkSeat(2));
    QCOMPARE(prog.game().NewGame.cmbPlayerType[2], int(Hard));
    type->setCurrentIndex(4);
    w->setHosting(false);
    QCOMPARE(type->count(), 4);
    QCOMPARE(type->currentIndex(), 0);
    QVERIFY(!w->isNetworkSeat(2));
}

void TestGameWindows::newGameCloseLeavesNoGame() {
    Program prog;
    // Close, Esc and the window's close command all act as Close.
    for (int way = 0; way < 3; ++way) {
        NewGameWindow* w = openNewGame(prog);
        QVERIFY(w);
        QPointer<NewGameWindow> guard(w);
        find<QCheckBox>(w, QStringLiteral("chkSounds"))->click();
        if (way == 0) find<QPushButton>(w, QStringLiteral("cmdClose"))->click();
        if (way == 1) QTest::keyClick(w, Qt::Key_Escape);
        if (way == 2) w->close();
        QCoreApplication::processEvents();
        QVERIFY(!guard || !guard->isVisible());
        QVERIFY(!prog.controller.newGameWindow());
        QVERIFY(!prog.game().S.GameInProgress);
        QVERIFY(!prog.controller.playerWindow(1));
    }
    // The next New shows the defaults again.
    NewGameWindow* w = openNewGame(prog);
    QVERIFY(find<QCheckBox>(w, QStringLiteral("chkSounds"))->isChecked());
}

// ---- buying ----

void TestGameWindows::buyWindowOffersTheFreeCompanies() {
    Program prog;
    startGame(prog, 2);
    Game& g = prog.game();
    g.S.CompanyOwner[4] = 2;
    BuyWindow* w = openMarket(prog);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->objectName(), QStringLiteral("frmBuyCompany"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Buy a company"));
    QCOMPARE(w->helpTopic(), QStringLiteral("buy"));
    expectHelpLine(w);
    expectTexts<QPushButton>(w, {{"cmdBuy", "&Buy", "Buy selected company"},
                                 {"cmdCancel", "&Cancel", "Refuse to buy any companies"}});
    QCOMPARE(find<QLabel>(w, QStringLiteral("lblComplex"))->text(), QString::fromStdString(g.S.ComplexName[2]));
    for (int s = 1; s <= 3; ++s) {
        auto k = static_cast<std::size_t>(3 + s);
        auto* opt = find<QRadioButton>(w, QStringLiteral("optName_%1").arg(s));
        QVERIFY(opt);
        QCOMPARE(opt->toolTip(), QStringLiteral("Company name"));
        QCOMPARE(opt->text(), QString::fromStdString(g.S.CompanyName[k]));
        auto* value = find<QLabel>(w, QStringLiteral("lblValue_%1").arg(s));
        QCOMPARE(value->toolTip(), QStringLiteral("Company price"));
        QCOMPARE(value->text(), QString::fromStdString(FormatMoney(g.S.CompanyValue[k])));
        auto* logo = find<PictureBox>(w, QStringLiteral("picLogo_%1").arg(s));
        QCOMPARE(logo->toolTip(), QStringLiteral("Company logo"));
        QCOMPARE(logo->picture(), pictures::logoPath(LogoNumber(1, static_cast<int>(k))));
        QVERIFY(find<QFrame>(w, QStringLiteral("Shape%1").arg(s)));
    }
    // The owned company shows but cannot be chosen; the first free one is.
    QVERIFY(!find<QRadioButton>(w, QStringLiteral("optName_1"))->isEnabled());
    QVERIFY(find<QRadioButton>(w, QStringLiteral("optName_2"))->isEnabled());
    QVERIFY(find<QRadioButton>(w, QStringLiteral("optName_3"))->isEnabled());
    QVERIFY(find<QRadioButton>(w, QStringLiteral("optName_2"))->isChecked());
    // While buying, the buyer cannot empty his bank.
    QVERIFY(!find<QPushButton>(prog.controller.playerWindow(1), QStringLiteral("cmdWithdraw"))->isEnabled());
    QVERIFY(w->grab().save(QStringLiteral("/tmp/zx_buy.png")));
    // A stray Enter buys nothing: neither button is the default.
    QVERIFY(!find<QPushButton>(w, QStringLiteral("cmdBuy"))->isDefault());
    QTest::keyClick(find<QRadioButton>(w, QStringLiteral("optName_2")), Qt::Key_Return);
    QVERIFY(g.S.BuyMode);
    QCOMPARE(g.S.CompanyOwner[5], 0);
}

void TestGameWindows::buyWindowRebuildsWhenActivated() {
    Program prog;
    startGame(prog, 2);
    Game& g = prog.game();
    BuyWindow* w = openMarket(prog);
    QVERIFY(w);
    QVERIFY(find<QRadioButton>(w, QStringLiteral("optName_1"))->isChecked());
    // Another player takes company 4 while the window stands open: coming
    // back to the window shows it taken and moves the choice.
    g.S.CompanyOwner[4] = 2;
    QCOMPARE(find<QRadioButton>(w, QStringLiteral("optName_1"))->isEnabled(), true);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(w, &activate);
    QVERIFY(!find<QRadioButton>(w, QStringLiteral("optName_1"))->isEnabled());
    QVERIFY(find<QRadioButton>(w, QStringLiteral("optName_2"))->isChecked());
    QVERIFY(!find<QRadioButton>(w, QStringLiteral("optName_1"))->isChecked());
}

void TestGameWindows::buyWindowBuysAndCancels() {
    Program prog;
    startGame(prog, 2);
    Game& g = prog.game();

    // Choose the third company and buy it.
    BuyWindow* w = openMarket(prog);
    QVERIFY(w);
    find<QRadioButton>(w, QStringLiteral("optName_3"))->click();
    QVERIFY(find<QRadioButton>(w, QStringLiteral("optName_3"))->isChecked());
    QVERIFY(!find<QRadioButton>(w, QStringLiteral("optName_1"))->isChecked());
    find<QPushButton>(w, QStringLiteral("cmdBuy"))->click();
    QCoreApplication::processEvents();
    QCOMPARE(g.S.CompanyOwner[6], 1);
    QCOMPARE(g.S.CompanyOwner[4], 0);
    QVERIFY(!g.S.BuyMode);
    QVERIFY(!prog.controller.buyWindow());

    // Esc refuses.
    w = openMarket(prog);
    QVERIFY(w);
    QTest::keyClick(w, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCOMPARE(g.S.PromptText, std::string("Alice refused to buy any companies!"));
    QVERIFY(!g.S.BuyMode);
    QVERIFY(!prog.controller.buyWindow());

    // The window's close command refuses too.
    w = openMarket(prog);
    QVERIFY(w);
    w->close();
    QCoreApplication::processEvents();
    QVERIFY(!g.S.BuyMode);
    QVERIFY(!prog.controller.buyWindow());
    QVERIFY(find<QPushButton>(prog.controller.playerWindow(1), QStringLiteral("cmdWithdraw"))->isEnabled());

    // Too little cash: the window stays for the player to raise money.
    g.S.Cash[1] = 1000;
    w = openMarket(prog);
    QVERIFY(w);
    find<QPushButton>(w, QStringLiteral("cmdBuy"))->click();
    QCOMPARE(prog.hooks.messages.back().title, std::string("Sorry!"));
    QVERIFY(g.S.BuyMode);
    QVERIFY(prog.controller.buyWindow());
    QVERIFY(prog.controller.buyWindow()->isVisible());
}

// ---- waiting ----

void TestGameWindows::waitWindowHoldsTheDebt() {
    Program prog;
    startGame(prog, 3);
    Game& g = prog.game();
    g.S.CurrentPlayer = 1;
    g.S.CompanyOwner[1] = 1;
    g.S.CompanyOwner[2] = 1;
    g.S.Cash[1] = 0;
    g.S.PlayerCell[1] = CellOfKind(CellKind::Tax, 1);
    g.Tax();
    QCoreApplication::processEvents();
    WaitWindow* w = prog.controller.waitWindow();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->objectName(), QStringLiteral("frmWait"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Waiting..."));
    QCOMPARE(w->helpTopic(), QStringLiteral("waiting"));
    QVERIFY(!w->isModal());
    expectHelpLine(w);
    expectTexts<QPushButton>(w, {{"cmdPay", "Pay", "Pay the money and continue the game"},
                                 {"cmdILose", "I Lose!", "Lose and exit the game"}});
    QCOMPARE(find<QLabel>(w, QStringLiteral("lblWaiting"))->text(), QString::fromStdString(g.S.WaitingMessage));
    QVERIFY(g.S.WaitingMessage.find("Alice") != std::string::npos);
    QVERIFY(w->grab().save(QStringLiteral("/tmp/zx_wait.png")));

    // The debt cannot be closed away, and a stray Enter neither pays nor loses.
    QPointer<WaitWindow> guard(w);
    w->close();
    QTest::keyClick(w, Qt::Key_Escape);
    QTest::keyClick(w, Qt::Key_Return);
    QVERIFY(!find<QPushButton>(w, QStringLiteral("cmdPay"))->isDefault());
    QCoreApplication::processEvents();
    QVERIFY(guard && guard->isVisible());
    QVERIFY(g.S.WaitingMode);

    // F1 opens the help.
    QTest::keyClick(w, Qt::Key_F1);
    QVERIFY(prog.controller.helpWindow());

    // "I Lose!" answered No changes nothing.
    prog.hooks.answers.push_back(MsgAnswer::No);
    find<QPushButton>(w, QStringLiteral("cmdILose"))->click();
    QCoreApplication::processEvents();
    QVERIFY(guard && guard->isVisible());
    QCOMPARE(g.S.NumOfPlayers, 3);

    // Pay without the money: the rule asks again and the window comes back.
    find<QPushButton>(w, QStringLiteral("cmdPay"))->click();
    QCoreApplication::processEvents();
    QVERIFY(prog.controller.waitWindow());
    QVERIFY(g.S.WaitingMode);

    // With the money raised, Pay settles the tax and the window goes.
    g.S.Cash[1] = 5'000'000;
    find<QPushButton>(prog.controller.waitWindow(), QStringLiteral("cmdPay"))->click();
    QCoreApplication::processEvents();
    QVERIFY(!prog.controller.waitWindow());
    QVERIFY(!g.S.WaitingMode);
    QVERIFY(g.S.Cash[1] < 5'000'000);
}

// ---- results ----

void TestGameWindows::resultsForTwoPlayers() {
    Program prog;
    startGame(prog, 2);
    Game& g = prog.game();
    // Bob quits; Alice is left alone and the results come up, modal. The
    // check and the OK run inside the window's own loop.
    bool checked = false;
    QTimer::singleShot(0, [&] {
        ResultsWindow* w = prog.controller.resultsWindow();
        QVERIFY(w);
        checked = true;
        QVERIFY(w->isModal());
        QCOMPARE(w->objectName(), QStringLiteral("frmResults"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Game over!"));
        QCOMPARE(w->helpTopic(), QStringLiteral("results"));
        expectHelpLine(w);
        expectTexts<QGroupBox>(w, {{"Frame1", "Results", ""}});
        expectTexts<QPushButton>(w, {{"cmdOK", "&OK", "Finish game!"}});
        QVERIFY(find<QPushButton>(w, QStringLiteral("cmdOK"))->isDefault());
        QCOMPARE(find<PictureBox>(w, QStringLiteral("Picture1"))->picture(), pictures::resultsPath());
        const char* places[] = {"", "Winner:", "2nd place:", "3rd place:", "4th place:"};
        for (int i = 1; i <= 4; ++i) {
            auto* label = find<QLabel>(w, QStringLiteral("lblFinisherLabel_%1").arg(i));
            QCOMPARE(label->text(), QString::fromLatin1(places[i]));
            QCOMPARE(label->isVisible(), i <= 2);
            QCOMPARE(find<QLabel>(w, QStringLiteral("lblFinisher_%1").arg(i))->isVisible(), i <= 2);
        }
        QCOMPARE(find<QLabel>(w, QStringLiteral("lblFinisher_1"))->text(), QStringLiteral("Alice"));
        QCOMPARE(find<QLabel>(w, QStringLiteral("lblFinisher_2"))->text(), QStringLiteral("Bob"));
        QVERIFY(w->grab().save(QStringLiteral("/tmp/zx_results2.png")));
        // Closing the window finishes the game, as OK does.
        w->close();
    });
    prog.hooks.answers.push_back(MsgAnswer::Yes);
    find<QPushButton>(prog.controller.playerWindow(2), QStringLiteral("cmdQuitGame"))->click();
    QCoreApplication::processEvents();
    QVERIFY(checked);
    QVERIFY(!prog.controller.resultsWindow());
    QVERIFY(!g.S.GameInProgress);
    QVERIFY(!g.Results.Loaded);
    QVERIFY(!prog.controller.playerWindow(1));
}

void TestGameWindows::resultsForFourPlayers() {
    Program prog;
    Game& g = prog.game();
    // Dave won, Bob lost first, then Carol; Alice remained.
    g.S.InitialNumOfPlayers = 4;
    g.S.Finisher[1] = "Dave";
    g.S.Finisher[2] = "Alice";
    g.S.Finisher[3] = "Carol";
    g.S.Finisher[4] = "Bob";
    g.Results.Form_Load();
    ResultsWindow w(prog.controller, nullptr);
    w.show();
    const char* names[] = {"", "Dave", "Alice", "Carol", "Bob"};
    for (int i = 1; i <= 4; ++i) {
        QVERIFY(find<QLabel>(&w, QStringLiteral("lblFinisherLabel_%1").arg(i))->isVisible());
        QCOMPARE(find<QLabel>(&w, QStringLiteral("lblFinisher_%1").arg(i))->text(), QString::fromLatin1(names[i]));
    }
    QVERIFY(w.grab().save(QStringLiteral("/tmp/zx_results4.png")));
    // Enter is OK: the game closes and the window goes.
    QTest::keyClick(&w, Qt::Key_Return);
    QVERIFY(!g.Results.Loaded);
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(TestGameWindows)
#include "tst_game_windows.moc"
