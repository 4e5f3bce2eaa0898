#include "ai/instant_game.h"

namespace zx::ai {

MsgAnswer QuietUi::message(const Message& m) {
    if (pilot) {
        if (auto a = pilot->Answer(m)) return *a;
    }
    return m.defaultAnswer;
}

InstantGame::InstantGame(std::uint64_t seed, bool instant)
    : chance_(seed), game_(ui_, chance_), pilot_(game_, seed ^ 0x5DEECE66Dull) {
    ui_.pilot = &pilot_;
    game_.Instant = instant;
    game_.Form_Load();
}

void InstantGame::StartNew(const std::vector<int>& types, int companySet) {
    pilot_.Forget();
    if (game_.Results.Loaded) game_.Results.cmdOK_Click();
    game_.CloseGame();
    NewGameForm& f = game_.NewGame;
    f.Form_Load();
    const int n = static_cast<int>(types.size());
    f.optNumOfPlayers_Click(n);
    for (int i = 1; i <= n; ++i) f.cmbPlayerType_Click(i, types[static_cast<std::size_t>(i - 1)]);
    f.optCompanySet_Click(companySet);
    f.chkSounds_Click(false);
    f.chkBackgroundMusic_Click(false);
    f.chkAutoSave_Click(false);
    f.chkLimitReactionTime_Click(false);
    f.cmdStart_Click();
}

void InstantGame::CopyFrom(const SeatView& view, std::uint64_t seed) {
    chance_.Seed(seed);
    PlayerRandom guess(seed ^ 0xA5A5'5A5A'C3C3'3C3Cull);
    view.CopyInto(game_);
    pilot_.Forget();
    GameState& s = game_.S;
    // Nothing of the look-ahead may reach a file, a speaker or a clock.
    s.AutoSave = false;
    s.AutoSavePending = false;
    s.HasFileName = false;
    s.Sounds = false;
    s.BackgroundMusic = false;
    s.LimitReactionTime = false;
    s.CurrentSound.clear();
    // Animations under way end at once.
    game_.FinishWalk();
    for (int p = 1; p <= MaxPlayers; ++p) s.DisplayedCash[static_cast<std::size_t>(p)] = s.Cash[static_cast<std::size_t>(p)];
    if (s.MoneyChanging) {
        s.MoneyChanging = false;
        game_.SetTimer(TimerId::ChangeMoney, false);
        game_.EnableRollDiceIfIdle();
    }
    // The bids other players typed are masked on the screen: each is
    // guessed, in the steps the rules take bids in.
    SellCompaniesForm& f = game_.SellForm;
    const int k = s.SaleCompany;
    for (int row = 1; row < static_cast<int>(f.txtBid.size()); ++row) {
        if (!view.BidTyped(row) || k < 1 || k > NumCompanies) continue;
        const std::uint64_t value = static_cast<std::uint64_t>(s.CompanyValue[static_cast<std::size_t>(k)]);
        const std::uint64_t low = value / 2 / 10'000 + 1, high = std::max(low, value / 10'000);
        f.txtBid[static_cast<std::size_t>(row)] = std::to_string((low + guess() % (high - low + 1)) * 10'000);
    }
}

InstantGame::End InstantGame::PlayOut(int moveCap) {
    Game& g = game_;
    // Far more steps than any game needs: a guard against a hand that
    // finds something to do for ever.
    const long stepCap = 20L * (moveCap + 50) + 2000;
    for (long step = 0; step < stepCap;) {
        if (g.Results.Loaded) return End::Results;
        if (!g.S.GameInProgress) return End::Stuck;
        // What the windows' timers and the sound device would deliver; the
        // animations always come to their end, so they are not counted.
        if (g.S.CurrentSound == "Dice") {
            g.mmcSounds_Done();
            continue;
        }
        if (g.TimerEnabled(TimerId::MovePieces)) {
            g.tmrMovePieces_Timer();
            continue;
        }
        if (g.TimerEnabled(TimerId::ChangeMoney)) {
            g.tmrChangeMoney_Timer();
            continue;
        }
        ++step;
        if (g.TimerEnabled(TimerId::DestroyDelay)) {
            g.tmrDestroyDelay_Timer();
            continue;
        }
        if (g.S.Moves >= moveCap && g.Main.cmdRollDiceEnabled) return End::MoveCap;
        if (!pilot_.Step()) return End::Stuck;
    }
    return End::Stuck;
}

int InstantGame::PlaceOf(const std::string& name) const {
    for (int place = 1; place <= MaxPlayers; ++place)
        if (game_.S.Finisher[static_cast<std::size_t>(place)] == name) return place;
    return 0;
}

}  // namespace zx::ai
