// The saved-game file: its exact text, reading back, refusing bad files,
// encodings, the safe write and the Save/Load commands around it.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "lifecycle/savefile.h"
#include "test_support.h"

namespace zx {
namespace {

namespace fs = std::filesystem;
using test::FakeUi;
using test::ScriptedRandom;

// A fresh folder per test, removed afterwards.
struct TempFolder {
    fs::path dir;
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("zx_savefile_" + std::string(info->test_suite_name()) + "_" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

// A game in full swing: three of four players left (one won), two loans,
// a complex, an insured company, the car catalogue.
const char* const MidGame =
    "3,4\r\n"
    "\"Ann\",\"Female\",\"1\"\r\n"
    "\"Cid\",\"Male\",\"3\"\r\n"
    "\"Dee\",\"Female\",\"4\"\r\n"
    "\"Dee\",\"Female\",\"4\"\r\n"
    "2,3\r\n"
    "#FALSE#,#TRUE#,#FALSE#,#FALSE#\r\n"
    "1560,3600\r\n"
    "6840,5520\r\n"
    "2520,600\r\n"
    "6840,3600\r\n"
    "2\r\n"
    "1200000,300000\r\n"
    "4100000,0\r\n"
    "250000,1000000\r\n"
    "5000000,0\r\n"
    "1,2,3250000,70\r\n"
    "3,1,1100000,55\r\n"
    "0,0,0,0\r\n"
    "0,0,0,0\r\n"
    "0,0,0,0\r\n"
    "2\r\n"
    "2,#TRUE#,#TRUE#\r\n2,#FALSE#,#TRUE#\r\n2,#FALSE#,#TRUE#\r\n"
    "0,#FALSE#,#FALSE#\r\n1,#TRUE#,#FALSE#\r\n0,#FALSE#,#FALSE#\r\n"
    "3,#FALSE#,#FALSE#\r\n0,#FALSE#,#FALSE#\r\n0,#FALSE#,#FALSE#\r\n"
    "0,#FALSE#,#FALSE#\r\n0,#FALSE#,#FALSE#\r\n0,#FALSE#,#FALSE#\r\n"
    "2\r\n0\r\n0\r\n0\r\n"
    "37,412\r\n"
    "1\r\n"
    "\"Bob\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";

class SaveFileGame : public ::testing::Test {
protected:
    FakeUi ui;
    ScriptedRandom rnd;
    Game g{ui, rnd};
    TempFolder tmp;

    void SetUp() override { g.Form_Load(); }

    // Game > New, names typed, the count chosen, Start.
    void StartNew(int n, std::vector<std::string> names) {
        g.mnuGameNew_Click();
        g.NewGame.optNumOfPlayers_Click(n);
        for (int i = 1; i <= n; ++i) g.NewGame.txtPlayerName_Typed(i, names[static_cast<std::size_t>(i - 1)]);
        g.NewGame.cmdStart_Click();
        ui.clear();
    }
};

TEST_F(SaveFileGame, FreshTwoPlayerSaveHasTheExactLayout) {
    StartNew(2, {"Ann", "Bob"});
    const std::string file = tmp.path("first.znx");
    ui.saveAnswers.push_back(file);
    g.mnuGameSave_Click();

    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(ui.saveDialogs[0], "Save Game|Ann, Bob, 8,12,2026.znx");
    std::string expected =
        "2,2\r\n"
        "\"Ann\",\"Female\",\"1\"\r\n"
        "\"Bob\",\"Female\",\"2\"\r\n"
        "\"\",\"\",\"\"\r\n"
        "\"\",\"\",\"\"\r\n"
        "1,1\r\n"
        "#TRUE#,#FALSE#,#TRUE#,#TRUE#\r\n"
        "3600,360\r\n"
        "360,3600\r\n"
        "3600,6840\r\n"
        "6840,3600\r\n"
        "2\r\n";
    for (int p = 0; p < 4; ++p) expected += "5000000,0\r\n";
    for (int l = 0; l < 5; ++l) expected += "0,0,0,0\r\n";
    expected += "0\r\n";
    for (int k = 0; k < 12; ++k) expected += "0,#FALSE#,#FALSE#\r\n";
    for (int c = 0; c < 4; ++c) expected += "0\r\n";
    expected += "0,0\r\n0\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
    const std::string written = ReadFile(file);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(Lines(written).size(), 44u);

    EXPECT_TRUE(g.S.HasFileName);
    EXPECT_EQ(g.Main.caption, "Zentrix 3.0 - first.znx");
    ASSERT_NE(ui.lastMessage(), nullptr);
    EXPECT_EQ(ui.lastMessage()->text, "The game was saved.");
    EXPECT_EQ(ui.lastMessage()->title, "Game saved");
    EXPECT_EQ(ui.lastMessage()->icon, MsgIcon::Information);
    EXPECT_FALSE(fs::exists(file + ".zxtmp"));

    // With a file, Save writes silently to it; Save As always asks, and the
    // next Save goes to the newly chosen file. A bare name gets ".znx".
    g.S.Cash[1] = 4'000'000;
    g.mnuGameSave_Click();
    EXPECT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_NE(ReadFile(file).find("4000000,0"), std::string::npos);
    ui.saveAnswers.push_back(tmp.path("second"));
    g.mnuGameSaveAs_Click();
    EXPECT_EQ(ui.saveDialogs.size(), 2u);
    EXPECT_TRUE(fs::exists(tmp.path("second.znx")));
    EXPECT_EQ(g.S.FileName, tmp.path("second.znx"));
    g.S.Cash[2] = 1;
    g.mnuGameSave_Click();
    EXPECT_EQ(ui.saveDialogs.size(), 2u);
    EXPECT_NE(ReadFile(tmp.path("second.znx")).find("\r\n1,0\r\n"), std::string::npos);
}

TEST_F(SaveFileGame, AutomaticSaveAsksForANameOnceAndNeverConfirms) {
    StartNew(2, {"Ann", "Bob"});
    EXPECT_FALSE(g.SaveGame());  // dialog cancelled: nothing changes
    EXPECT_FALSE(g.S.HasFileName);
    EXPECT_EQ(g.Main.caption, "Zentrix 3.0 - Ann, Bob, 8,12,2026.znx");
    ui.saveAnswers.push_back(tmp.path("auto.znx"));
    EXPECT_TRUE(g.SaveGame());
    EXPECT_TRUE(g.SaveGame());
    EXPECT_EQ(ui.saveDialogs.size(), 2u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveFileGame, SavingIsRefusedInWaitingMode) {
    StartNew(2, {"Ann", "Bob"});
    g.S.WaitingMode = true;
    g.S.SaveAsRequested = true;
    g.mnuGameSave_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Can't save game in waiting mode!");
    EXPECT_EQ(ui.messages[0].title, "Illegal Save");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(ui.saveDialogs.empty());
    EXPECT_FALSE(g.S.SaveAsRequested);
    EXPECT_FALSE(g.SaveFailed);
}

TEST_F(SaveFileGame, SaveRightAfterLoadWritesTheSameBytes) {
    const std::string source = tmp.path("mid.znx");
    WriteFile(source, MidGame);
    ASSERT_TRUE(g.LoadGameData(source));

    EXPECT_TRUE(g.S.GameInProgress);
    EXPECT_TRUE(g.S.HasFileName);
    EXPECT_EQ(g.Main.caption, "Zentrix 3.0 - mid.znx");
    EXPECT_EQ(g.S.NumOfPlayers, 3);
    EXPECT_EQ(g.S.DisplayedCash[2], 4'100'000);
    EXPECT_EQ(g.S.PieceLeft[3], 2520);
    EXPECT_EQ(g.S.ComplexName[1], "US Complex");
    EXPECT_EQ(g.Main.lblCurrentPlayer.text, "Cid");
    EXPECT_EQ(g.Main.lblGameTime, "37 Minutes");
    EXPECT_FALSE(g.Main.picPiece[4].visible);
    EXPECT_TRUE(g.PlayerWindowLoaded(3));
    EXPECT_FALSE(g.PlayerWindowLoaded(4));

    g.mnuGameSave_Click();  // no dialog: the loaded file is the game's file
    EXPECT_TRUE(ui.saveDialogs.empty());
    EXPECT_EQ(ReadFile(source), MidGame);
}

TEST_F(SaveFileGame, AFileChosenOutsideTheGameLoadsAsGameLoadDoes) {
    const std::string good = tmp.path("mid.znx");
    const std::string bad = tmp.path("bad.znx");
    WriteFile(good, MidGame);
    WriteFile(bad, "2,2\r\n");
    StartNew(2, {"Ann", "Bob"});
    ui.answers.push_back(MsgAnswer::Cancel);
    g.LoadGame(good);  // the same prompt as Game > Load, and Cancel keeps the game
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Do you want to save before loading another game?");
    EXPECT_EQ(g.S.PlayerName[1], "Ann");

    ui.clear();
    ui.answers.push_back(MsgAnswer::No);
    g.LoadGame(good);
    EXPECT_TRUE(ui.openDialogs.empty());
    EXPECT_EQ(g.Main.caption, "Zentrix 3.0 - mid.znx");
    EXPECT_EQ(g.S.NumOfPlayers, 3);
    EXPECT_TRUE(g.S.HasFileName);

    ui.clear();
    ui.answers.push_back(MsgAnswer::No);
    g.LoadGame(bad);  // the loaded game is closed first, as by Game > Load
    ASSERT_NE(ui.lastMessage(), nullptr);
    EXPECT_EQ(ui.lastMessage()->text, "Couldn't load file!");
    EXPECT_FALSE(g.S.GameInProgress);
    EXPECT_EQ(g.Main.caption, "Zentrix 3.0");
    EXPECT_TRUE(ui.openDialogs.empty());
}

TEST_F(SaveFileGame, BadFilesFailAndLeaveNoGame) {
    const std::string bad = tmp.path("bad.znx");
    std::string endsEarly = MidGame;
    endsEarly.resize(endsEarly.size() - 8);  // the last finisher is cut off
    std::string textForNumber = MidGame;
    textForNumber.replace(0, 1, "three");
    const std::string cases[] = {endsEarly, textForNumber, std::string(MidGame).substr(0, 300), std::string()};
    for (const std::string& text : cases) {
        StartNew(2, {"Ann", "Bob"});
        const std::vector<std::string> namesBefore(g.S.PlayerName.begin(), g.S.PlayerName.end());
        WriteFile(bad, text);
        ui.answers.push_back(MsgAnswer::No);  // no save before loading
        ui.openAnswers.push_back(bad);
        g.mnuGameLoad_Click();
        ASSERT_NE(ui.lastMessage(), nullptr);
        EXPECT_EQ(ui.lastMessage()->text, "Couldn't load file!");
        EXPECT_EQ(ui.lastMessage()->title, "Invalid file format");
        EXPECT_EQ(ui.lastMessage()->icon, MsgIcon::Critical);
        EXPECT_FALSE(g.S.GameInProgress);
        EXPECT_FALSE(g.Main.picPiece[1].visible);
        EXPECT_FALSE(g.Main.mnuGameSaveEnabled);
        EXPECT_EQ(g.Main.caption, "Zentrix 3.0");
        EXPECT_FALSE(g.PlayerWindowLoaded(1));
        // Nothing read from the bad file reached the game.
        EXPECT_EQ(std::vector<std::string>(g.S.PlayerName.begin(), g.S.PlayerName.end()), namesBefore);
        EXPECT_EQ(g.S.NumOfPlayers, 2);
        EXPECT_EQ(g.S.CompanySet, 1);
    }
    ui.clear();
    EXPECT_FALSE(g.LoadGameData(tmp.path("missing.znx")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Couldn't load file!");
    EXPECT_FALSE(g.LoadGameData(tmp.dir.string()));  // a folder is not a file
    EXPECT_FALSE(g.S.GameInProgress);
}

TEST_F(SaveFileGame, AFailedSaveSaysWhereAndKeepsTheOldFile) {
    StartNew(2, {"Ann", "Bob"});
    const std::string good = tmp.path("good.znx");
    ui.saveAnswers.push_back(good);
    g.SaveGame();
    const std::string old = ReadFile(good);
    ASSERT_FALSE(old.empty());

    // The disk takes only the first hundred bytes of the new text: the old
    // file must stay whole and nothing half-written may be left beside it.
    g.S.Cash[1] = 1234;
    ui.clear();
    {
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit tight = before;
        tight.rlim_cur = 100;
        auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tight);
        g.mnuGameSave_Click();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_EQ(ReadFile(good), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(good).parent_path()), fs::directory_iterator()), 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The game could not be saved to " + good + "!");
    EXPECT_EQ(ui.messages[0].title, "Save failed");
    EXPECT_TRUE(g.SaveFailed);

    // A folder that is really a file: nothing is written anywhere, the game
    // keeps its old file, name and caption.
    const std::string blocker = tmp.path("plain");
    WriteFile(blocker, "x");
    ui.clear();
    ui.saveAnswers.push_back(blocker + "/game.znx");
    g.mnuGameSaveAs_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The game could not be saved to " + blocker + "/game.znx!");
    EXPECT_TRUE(g.S.HasFileName);
    EXPECT_EQ(g.S.FileName, good);
    EXPECT_EQ(g.Main.caption, "Zentrix 3.0 - good.znx");
    EXPECT_EQ(ReadFile(blocker), "x");

    // A never-saved game stays never-saved.
    StartNew(2, {"Ann", "Bob"});
    ui.saveAnswers.push_back(blocker + "/game.znx");
    EXPECT_FALSE(g.SaveGame());
    EXPECT_FALSE(g.S.HasFileName);
}

// A save may be cut off at any instant (the game killed, the machine going
// down): whatever instant, the file on disk is a whole save, the old one or
// the new one. A child process saves two different games over one file as
// fast as it can and is killed at random moments.
TEST(SaveFileOnDisk, ASaveKilledAtAnyMomentLeavesAWholeFile) {
    TempFolder tmp;
    const std::string path = tmp.path("game.znx");
    SavedGame one;
    one.PlayerName[1] = "Ann";
    one.PlayerName[2] = "Bob";
    one.PlayerSex[1] = one.PlayerSex[2] = "Female";
    one.PlayerPiece[1] = "1";
    one.PlayerPiece[2] = "2";
    SavedGame two = one;
    two.Moves = 99;
    two.PlayerName[2] = std::string(400, 'x');
    const std::string texts[2] = {WriteSavedGame(one), WriteSavedGame(two)};
    ASSERT_TRUE(WriteFileAtomically(path, texts[0]));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);

    std::mt19937 rng(20261208);
    for (int round = 0; round < 300; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (unsigned i = 0;; ++i) WriteFileAtomically(path, texts[i % 2]);
        ::usleep(std::uniform_int_distribution<unsigned>(0, 4000)(rng));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const auto bytes = ReadWholeFile(path);
        ASSERT_TRUE(bytes && (*bytes == texts[0] || *bytes == texts[1])) << "round " << round;
        ASSERT_TRUE(ReadSavedGame(*bytes)) << "round " << round;
    }
    // Every save kept the permissions of the file it replaced.
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(SaveFileLoans, TheDraftedLoanIsNeverSaved) {
    FakeUi ui;
    ScriptedRandom rnd;
    Game g(ui, rnd);
    test::SetUpGame(g, 3);
    g.S.LoanCount = 1;
    g.S.LoanLender[1] = 1;
    g.S.LoanBorrower[1] = 2;
    g.S.LoanRepayment[1] = 1'100'000;
    g.S.LoanDueMove[1] = 12;
    g.Draft.Take(g.S, 3);  // the dialog's slot: lender only, no borrower yet
    const std::string text = WriteSavedGame(SavedGameFrom(g.S, g.Draft.Slot()));
    const auto lines = Lines(text);
    EXPECT_EQ(lines[16], "1,2,1100000,12");
    EXPECT_EQ(lines[17], "0,0,0,0");
    EXPECT_EQ(lines[21], "1");
    auto back = ReadSavedGame(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->LoanCount, 1);
    EXPECT_EQ(g.S.LoanCount, 2);  // the game itself is not changed by saving
}

TEST(SaveFileText, NamesReadBackExactly) {
    auto f = ReadSavedGame(MidGame);
    ASSERT_TRUE(f);
    f->PlayerName[1] = "Jo \"Ace\"";
    f->PlayerName[2] = "a,b";
    f->PlayerName[3] = "Zoë Łukasz";
    f->Finisher[1] = "\"";
    f->Finisher[2] = "x\"\",y";
    const std::string text = WriteSavedGame(*f);
    EXPECT_NE(text.find("\"Jo \"\"Ace\"\"\""), std::string::npos);
    auto back = ReadSavedGame(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->PlayerName, f->PlayerName);
    EXPECT_EQ(back->Finisher, f->Finisher);
    EXPECT_EQ(WriteSavedGame(*back), text);
}

TEST(SaveFileText, OldEightBitFilesAndSeparators) {
    // Windows-1252: 0xE9 is é, 0x80 the euro sign.
    std::string text = MidGame;
    text.replace(text.find("\"Ann\""), 5, "\"Ren\xE9\x80\"");
    auto f = ReadSavedGame(text);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->PlayerName[1], "René€");

    // Line ends of either kind separate values like commas do, blanks around
    // values are dropped and a final line end may be missing.
    std::string loose = MidGame;
    for (std::size_t at; (at = loose.find("\r\n")) != std::string::npos;) loose.replace(at, 2, "\n");
    loose.replace(0, 4, " 3 ,\t4\n");
    loose.pop_back();
    auto g = ReadSavedGame(loose);
    ASSERT_TRUE(g);
    EXPECT_EQ(WriteSavedGame(*g), MidGame);
    EXPECT_TRUE(ReadSavedGame("\xEF\xBB\xBF" + std::string(MidGame)));

    EXPECT_TRUE(IsValidUtf8("Zoë €"));
    EXPECT_FALSE(IsValidUtf8("Ren\xE9"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
}

TEST(SaveFileText, ValuesTheGameCouldNotHaveWrittenAreRefused) {
    const auto base = Lines(MidGame);
    ASSERT_TRUE(ReadSavedGame(MidGame));
    struct Case { std::size_t line; const char* text; };
    const Case cases[] = {
        {1, "5,5"}, {1, "0,4"}, {1, "3,2"}, {1, "4,4"} /* 4 left + 1 winner > 4 */, {1, "3"}, {1, "3,4,5"},
        {2, "\"Ann\",\"female\",\"1\""}, {2, "\"Ann\",\"Female\",\"7\""}, {2, "\"\",\"Female\",\"1\""},
        {2, "\"Cid\",\"Female\",\"1\""}, {2, "\"Ann\",\"Female\",\"3\""}, {5, "\"Eve\",\"Female\",\"9\""},
        {2, "\"Ann\",\"Female\",1x"}, {2, "\"Ann\"x,\"Female\",\"1\""}, {2, "\"Ann,\"Female\",\"1\""},
        {6, "3,3"}, {6, "2,4"}, {6, "2,0"},
        {7, "#FALSE#,#TRUE#,#FALSE#,TRUE"}, {7, "#FALSE#,#TRUE#,#FALSE#,1"},
        {8, "-5,3600"}, {8, "99999,3600"}, {8, "nan,3600"}, {8, "1e400,3600"}, {8, "\"1560\",3600"},
        {12, "4"}, {12, "-1"}, {12, "2.5"}, {12, ""},
        {13, "-1,300000"}, {13, "1200000,-5"}, {13, "3000000000,0"},
        {17, "1,1,3250000,70"}, {17, "4,2,3250000,70"}, {17, "0,2,3250000,70"}, {17, "1,2,0,70"},
        {17, "1,2,3250000,-1"}, {22, "6"}, {22, "-1"},
        {23, "4,#TRUE#,#TRUE#"}, {23, "-1,#TRUE#,#TRUE#"}, {24, "1,#FALSE#,#TRUE#"},
        {28, "0,#FALSE#,#TRUE#"}, {35, "1"}, {35, "0"}, {36, "9"},
        {39, "-1,412"}, {40, "4"}, {40, "-1"},
    };
    for (const auto& c : cases) {
        auto lines = base;
        lines[c.line - 1] = c.text;
        std::string why;
        EXPECT_FALSE(ReadSavedGame(Join(lines), &why)) << "line " << c.line << ": " << c.text;
        EXPECT_FALSE(why.empty());
    }
    // Loan slots past the count are free and may hold anything left over.
    auto lines = base;
    lines[19] = "9,9,-5,-7";
    EXPECT_TRUE(ReadSavedGame(Join(lines)));
    // Nothing may follow the last value, nor a value be missing at the end.
    EXPECT_FALSE(ReadSavedGame(std::string(MidGame) + "extra\r\n"));
    EXPECT_FALSE(ReadSavedGame(std::string(MidGame) + "\"\"\r\n"));
    EXPECT_TRUE(ReadSavedGame(std::string(MidGame) + "\r\n  \r\n"));
    lines = base;
    lines[43] = "\"\",";
    EXPECT_FALSE(ReadSavedGame(Join(lines)));
    lines.pop_back();
    EXPECT_FALSE(ReadSavedGame(Join(lines)));
}

}  // namespace
}  // namespace zx
