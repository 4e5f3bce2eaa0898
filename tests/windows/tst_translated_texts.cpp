// Whole games of computer players, narrated as at the screen, with a
// translator that wraps every text it is asked for in «». What this proves:
// every text the rules and the lifecycle show (the prompt, hint and Computer
// lines, the waiting message, message boxes and their titles, the loan
// window's labels, the game log, the board's words for a screen reader and
// its tool tips) is made of sentences that went through the translator, with
// nothing English joined on outside them; and every sentence asked for is in
// the translation sources, so no text reaches the screen that a translator
// never saw. Company names are names and stay as they are.

#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

#include <set>
#include <string>
#include <utility>

#include "ai/autopilot.h"
#include "ai/instant_game.h"
#include "rules/cell_text.h"
#include "rules/text.h"
#include "state/board.h"

using namespace zx;

namespace {

using Source = std::pair<std::string, std::string>;  // context, English

// What is left of a shown text once every «...» (nested for texts put into
// other texts) is taken out: a letter left over is English that was joined
// on outside the translator.
std::string Untranslated(std::string text) {
    static const std::string open = "«", close = "»";
    for (;;) {
        const std::size_t end = text.find(close);
        if (end == std::string::npos) break;
        const std::size_t start = text.rfind(open, end);
        if (start == std::string::npos) break;
        text.erase(start, end + close.size() - start);
    }
    std::string letters;
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) letters += c;
    return letters.empty() ? std::string() : text;
}

std::set<Source> SourcesIn(const QString& tsFile) {
    std::set<Source> out;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText().toStdString();
        else if (xml.name() == u"source") out.insert({context, xml.readElementText().toStdString()});
    }
    return out;
}

class SeenUi : public ai::QuietUi {
public:
    Game* game = nullptr;
    std::set<std::string> bare;  // shown texts with English outside «»

    void look(const std::string& where, const std::string& text) {
        if (std::string left = Untranslated(text); !left.empty()) bare.insert(where + ": " + text);
    }
    void lookAtScreen() {
        if (!game) return;
        const Game& g = *game;
        look("prompt", g.Main.lblPrompt.text);
        look("hint", g.Main.lblHint.text);
        look("computer", g.Main.lblComputerPrompt.text);
        look("game time", g.Main.lblGameTime);
        look("reaction time", g.Main.lblReactionTime);
        if (g.S.WaitingMode) look("waiting", g.S.WaitingMessage);
        if (g.LoanDialog.Loaded) {
            look("interest", g.LoanDialog.lblInterest);
            look("duration", g.LoanDialog.lblDuration);
        }
        if (g.SellForm.Loaded) look("sale", g.SellForm.optPlayerCaption[0]);
    }
    MsgAnswer message(const Message& m) override {
        look("box", m.text);
        look("box title", m.title);
        return QuietUi::message(m);
    }
    void refresh() override { lookAtScreen(); }
};

}  // namespace

class TranslatedTexts : public QObject {
    Q_OBJECT

private slots:
    void everyShownTextGoesThroughTheTranslatorAndIsInTheSources();
};

void TranslatedTexts::everyShownTextGoesThroughTheTranslatorAndIsInTheSources() {
    const std::set<Source> known = SourcesIn(QFINDTESTDATA("../../translations/zentrix_de.ts"));
    QVERIFY(!known.empty());

    std::set<Source> asked;
    SetTranslator([&asked](const char* context, const char* source) {
        asked.insert({context, source});
        return "«" + std::string(source) + "»";
    });

    std::set<std::string> bare;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        SeenUi ui;
        ai::FastRandom chance(seed);
        Game g(ui, chance);
        ai::Autopilot pilot(g, seed);
        ui.pilot = &pilot;
        ui.game = &g;
        g.Form_Load();
        NewGameForm& f = g.NewGame;
        f.Form_Load();
        const int n = 2 + static_cast<int>(seed % 3);
        f.optNumOfPlayers_Click(n);
        for (int i = 1; i <= n; ++i) f.cmbPlayerType_Click(i, (seed + i) % 2 ? Easy : Normal);  // the hard one thinks against the clock
        f.cmdStart_Click();

        for (long step = 0; step < 400'000 && g.S.GameInProgress && !g.Results.Loaded; ++step) {
            if (g.S.CurrentSound == "Dice") g.mmcSounds_Done();
            else if (g.TimerEnabled(TimerId::MovePieces)) g.tmrMovePieces_Timer();
            else if (g.TimerEnabled(TimerId::ChangeMoney)) g.tmrChangeMoney_Timer();
            else if (g.TimerEnabled(TimerId::DestroyDelay)) g.tmrDestroyDelay_Timer();
            else if (step % 50 == 0) g.tmrGameTime_Timer();
            else if (!pilot.Step()) break;
            ui.lookAtScreen();
            if (step % 500 == 0)
                for (int cell = 1; cell <= NumCells; ++cell) {
                    ui.look("cell", CellDescription(g, cell));
                    // A company's cell is called by the company's name, which stays as it is.
                    if (CompanyOnCell(cell) != 0) continue;
                    ui.look("cell title", CellTitle(g, cell));
                    ui.look("tool tip", g.Main.cellToolTip[At(cell)]);
                }
        }
        QVERIFY2(g.Results.Loaded, qPrintable(QStringLiteral("game %1 did not end (move %2, players %3, prompt %4)")
                                                  .arg(seed)
                                                  .arg(g.S.Moves)
                                                  .arg(g.S.NumOfPlayers)
                                                  .arg(QString::fromStdString(g.Main.lblPrompt.text))));
        for (const LogLine& line : g.Log.Lines()) ui.look("log", GameLog::Format(line));
        bare.insert(ui.bare.begin(), ui.bare.end());
    }
    SetTranslator({});

    std::string report;
    for (const std::string& b : bare) report += "\n  " + b;
    QVERIFY2(bare.empty(), ("shown with English outside the translator:" + report).c_str());

    std::string unknown;
    for (const auto& [context, source] : asked)
        if (!known.count({context, source})) unknown += "\n  " + context + ": " + source;
    QVERIFY2(unknown.empty(), ("asked for but not in the translation sources:" + unknown).c_str());
    // A word put into another text's place is hidden by that text's «»; the
    // complex words are such words and must be asked for themselves.
    for (int c = 1; c <= NumComplexes; ++c) QVERIFY(asked.count({"Complex", ComplexWord(1, c)}));
    qInfo("%zu texts asked, %zu known", asked.size(), known.size());
    // The games above go through most of what the rules can say.
    QVERIFY2(asked.size() >= 100, qPrintable(QStringLiteral("only %1 texts asked").arg(asked.size())));
}

QTEST_GUILESS_MAIN(TranslatedTexts)
#include "tst_translated_texts.moc"
