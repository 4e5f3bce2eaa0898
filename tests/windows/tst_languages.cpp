// Every window in every language the game speaks, at the size the game
// gives it on the 1024 by 768 screen its layout is made for: no label, button or frame title is
// given less room than its text needs. German and French words are long,
// and a cut word is a riddle for the player (and a wrong one for a screen
// reader user's sighted partner). With ZENTRIX_SHOTS set, the table, a
// personal window, the sale window and a message box are saved per language.

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <functional>

#include "../core/test_support.h"
#include "state/board.h"
#include "testsupport.h"
#include "windows/about_window.h"
#include "windows/buy_window.h"
#include "windows/graph_window.h"
#include "windows/help_window.h"
#include "windows/language.h"
#include "windows/loan_window.h"
#include "windows/log_window.h"
#include "windows/new_game_window.h"
#include "windows/results_window.h"
#include "windows/sell_window.h"
#include "windows/wait_window.h"

using namespace zx;
using namespace zx::test;

namespace {

constexpr int ScreenWidth = 1024, ScreenHeight = 768;

// The controls of one window whose text does not fit the room they get.
class CutTexts {
public:
    explicit CutTexts(QString language) : language_(std::move(language)) {}

    void look(QWidget* window, const QString& where) {
        if (!window) {
            found_ << where + QStringLiteral(": not open");
            return;
        }
        QCoreApplication::processEvents();
        ++windows_;
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* w : widgets) {
            // Personal windows are children of the main window but windows of their own.
            if (w->window() != window || !w->isVisibleTo(window)) continue;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (label->text().isEmpty()) continue;
                // A wrapping label may be narrow as long as its lines fit in the height.
                const QSize needed = label->wordWrap()
                                         ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                                         : label->sizeHint();
                check(where, label, label->text(), needed);
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                if (!button->text().isEmpty()) check(where, button, button->text(), pushButtonNeeds(button));
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                if (!button->text().isEmpty()) check(where, button, button->text(), button->sizeHint());
            } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
                if (!frame->title().isEmpty()) check(where, frame, frame->title(), frame->minimumSizeHint());
            } else if (auto* menus = qobject_cast<QMenuBar*>(w)) {
                // A menu bar too narrow hides its last menus behind ».
                check(where, menus, QStringLiteral("(menu bar)"), QSize(menus->sizeHint().width(), 0));
            }
        }
    }
    int windows() const { return windows_; }
    const QStringList& found() const { return found_; }

private:
    // The style would make a push button at least 80 pixels wide, a matter
    // of looks: where room is short a button may be narrower as long as its
    // text keeps a little margin all round.
    static QSize pushButtonNeeds(QPushButton* b) {
        const QFontMetrics fm = b->fontMetrics();
        QSize text(fm.horizontalAdvance(QString(b->text()).remove(QLatin1Char('&'))) + 12, fm.height() + 6);
        if (!b->icon().isNull()) text.rwidth() += b->iconSize().width() + 4;
        return text.boundedTo(b->sizeHint());
    }
    void check(const QString& where, QWidget* w, const QString& text, QSize needed) {
        if (w->width() >= needed.width() && w->height() >= needed.height()) return;
        found_ << QStringLiteral("%1 [%2] %3 \"%4\": given %5x%6, needs %7x%8")
                      .arg(where, language_, w->objectName(), text)
                      .arg(w->width())
                      .arg(w->height())
                      .arg(needed.width())
                      .arg(needed.height());
    }
    QString language_;
    QStringList found_;
    int windows_ = 0;
};

// Takes out the catalogues of the language before, as if the program started again.
void speak(const QString& code) {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        t->deleteLater();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool found = installLanguage(*qApp, localeFor(code));
    QVERIFY(found || code == QLatin1String("en"));
}

// Opens a modal window the way the rules do, looks at it inside its own
// loop, and closes it.
void whileModal(Controller& c, WindowId id, const std::function<QWidget*()>& window,
                const std::function<void(QWidget*)>& look) {
    bool looked = false;
    QTimer::singleShot(0, [&] {
        look(window());
        looked = true;
        c.closeWindow(id, 0);
    });
    c.showWindow(id, 0, true);
    QVERIFY(looked);
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void noTextIsCut_data();
    void noTextIsCut();

private:
    QTemporaryDir settings_;
};

void LanguagesTest::initTestCase() {
    quietOffscreenWarnings();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void LanguagesTest::noTextIsCut_data() {
    QTest::addColumn<QString>("language");
    for (const char* code : {"en", "de", "fr", "es"}) QTest::newRow(code) << QString::fromLatin1(code);
}

void LanguagesTest::noTextIsCut() {
    QFETCH(QString, language);
    speak(language);
    CutTexts cuts(language);
    Program prog;
    Controller& c = prog.controller;
    Game& g = prog.game();

    // The new-game window, then four people at the table.
    g.mnuGameNew_Click();
    NewGameWindow* setup = c.newGameWindow();
    cuts.look(setup, QStringLiteral("new game"));
    if (!setup) return;
    clickOn(find<QRadioButton>(setup, QStringLiteral("optNumOfPlayers_4")));
    const char* names[] = {"Alexandra", "Bartholomew", "Constantine", "Dorothea"};
    for (int i = 1; i <= 4; ++i) {
        typeInto(find<QLineEdit>(setup, QStringLiteral("txtPlayerName_%1").arg(i)), QString::fromLatin1(names[i - 1]));
        find<QComboBox>(setup, QStringLiteral("cmbPlayerType_%1").arg(i))->setCurrentIndex(Human);
    }
    for (const char* option : {"chkSounds", "chkBackgroundMusic", "chkAutoSave"})
        find<QCheckBox>(setup, QString::fromLatin1(option))->click();
    find<QPushButton>(setup, QStringLiteral("cmdStart"))->click();
    QCoreApplication::processEvents();
    QVERIFY(g.S.GameInProgress);
    g.SetTimer(TimerId::ChangeMoney, false);
    // The windows are really in this language, not English left over.
    if (language != QLatin1String("en"))
        QVERIFY2(c.mainWindow().menuBar()->actions().first()->text() != QStringLiteral("&Game"), "still English");

    cuts.look(&c.mainWindow(), QStringLiteral("main"));
    for (int p = 1; p <= 4; ++p) cuts.look(c.playerWindow(p), QStringLiteral("personal %1").arg(p));
    shotOfTable(c, QStringLiteral("main_") + language);
    shot(c.playerWindow(1), QStringLiteral("personal_") + language);

    // A real question from the rules, in Qt's own box.
    c.setHooks(nullptr);
    bool boxSeen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        boxSeen = true;
        cuts.look(box, QStringLiteral("message box"));
        shot(box, QStringLiteral("message_") + language);
        box->button(QMessageBox::No)->click();
    });
    find<QPushButton>(c.playerWindow(4), QStringLiteral("cmdQuitGame"))->click();
    QCoreApplication::processEvents();
    c.setHooks(&prog.hooks);
    QVERIFY(boxSeen);
    QCOMPARE(g.S.NumOfPlayers, 4);

    // The market, then a tax that cannot be paid.
    g.S.CurrentPlayer = 1;
    g.S.PlayerCell[1] = CellOfKind(CellKind::Market, 1);
    g.BuyCompany();
    QCoreApplication::processEvents();
    cuts.look(c.buyWindow(), QStringLiteral("buy"));
    if (c.buyWindow()) c.buyWindow()->close();
    QCoreApplication::processEvents();
    g.S.CompanyOwner[1] = 1;
    g.S.CompanyOwner[2] = 1;
    g.S.Cash[1] = 0;
    g.S.PlayerCell[1] = CellOfKind(CellKind::Tax, 1);
    g.Tax();
    QCoreApplication::processEvents();
    cuts.look(c.waitWindow(), QStringLiteral("waiting"));
    if (c.waitWindow()) {
        g.S.Cash[1] = 5'000'000;
        find<QPushButton>(c.waitWindow(), QStringLiteral("cmdPay"))->click();
        QCoreApplication::processEvents();
    }

    // Alexandra sells one of her companies; then asks for a loan.
    g.S.SellingPlayer = 1;
    g.SellForm.Loaded = true;
    g.SellForm.Form_Load();
    whileModal(c, WindowId::SellCompanies, [&] { return c.sellWindow(); }, [&](QWidget* w) {
        cuts.look(w, QStringLiteral("sale"));
        shot(w, QStringLiteral("sale_") + language);
    });
    g.S.Moves = 40;
    g.LoanDialog.Loaded = true;
    g.LoanDialog.Form_Load();
    whileModal(c, WindowId::Loan, [&] { return c.loanWindow(); },
               [&](QWidget* w) { cuts.look(w, QStringLiteral("loan")); });

    g.GraphLoaded = true;
    c.showWindow(WindowId::Graph, 0, false);
    cuts.look(c.graphWindow(), QStringLiteral("trend graph"));
    c.showLog();
    cuts.look(c.logWindow(), QStringLiteral("game log"));
    c.showHelp("sell");
    cuts.look(c.helpWindow(), QStringLiteral("help"));
    whileModal(c, WindowId::About, [&] { return c.aboutWindow(); },
               [&](QWidget* w) { cuts.look(w, QStringLiteral("About")); });

    // The longest table of results: four places.
    g.S.InitialNumOfPlayers = 4;
    for (int i = 1; i <= 4; ++i) g.S.Finisher[i] = names[4 - i];
    g.Results.Form_Load();
    ResultsWindow results(c, nullptr);
    results.render();
    results.show();
    cuts.look(&results, QStringLiteral("results"));

    QCOMPARE(cuts.windows(), 16);
    for (const QString& cut : cuts.found()) qWarning("cut: %s", qPrintable(cut));
    QVERIFY2(cuts.found().isEmpty(), qPrintable(QStringLiteral("%1 texts cut, listed above").arg(cuts.found().size())));
}

// The 1024 by 768 screen the layout is made for, the smallest it is played on.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    if (!zx::test::useOffscreenScreen(dir.path(), ScreenWidth, ScreenHeight)) return 1;
    QApplication app(argc, argv);
    LanguagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languages.moc"
