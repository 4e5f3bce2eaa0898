#pragma once
// A headless player of whole games: drives the rules through every point a
// person could act (rolls, buying and refusing, banking with sensible and
// absurd amounts, insurance, sales with random bids, loans, quitting, paying
// and losing, saving and loading), delivers the timer ticks and sound ends
// the Qt layer would, and checks the game's invariants after every event.

#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "invariants.h"
#include "lifecycle/savefile.h"
#include "rules/game.h"
#include "rules/random.h"
#include "test_support.h"

namespace zx::test {

class DriverUi : public FakeUi {
public:
    std::mt19937_64* rng = nullptr;
    std::string savePath;
    int pendingSounds = 0;

    MsgAnswer message(const Message& m) override {
        if (messages.size() > 200) messages.erase(messages.begin(), messages.begin() + 100);
        if (!answers.empty()) return FakeUi::message(m);
        FakeUi::message(m);
        std::uniform_int_distribution<int> d(0, 99);
        int r = d(*rng);
        switch (m.buttons) {
            case MsgButtons::Ok: return MsgAnswer::Ok;
            case MsgButtons::OkCancel: return r < 50 ? MsgAnswer::Ok : MsgAnswer::Cancel;
            case MsgButtons::YesNo:
                // Giving up is rare, so games last; a loan is taken half the time.
                if (m.id == LoseConfirmationTitle) return r < 15 ? MsgAnswer::Yes : MsgAnswer::No;
                return r < 50 ? MsgAnswer::Yes : MsgAnswer::No;
            case MsgButtons::YesNoCancel: return r < 30 ? MsgAnswer::Yes : (r < 80 ? MsgAnswer::No : MsgAnswer::Cancel);
        }
        return m.defaultAnswer;
    }
    void playSound(const std::string& file) override {
        if (sounds.size() > 200) sounds.clear();
        FakeUi::playSound(file);
        ++pendingSounds;
    }
    void showWindow(WindowId w, int index, bool modal) override {
        if (windows.size() > 400) windows.clear();
        FakeUi::showWindow(w, index, modal);
    }
    void closeWindow(WindowId w, int index) override {
        if (windows.size() > 400) windows.clear();
        FakeUi::closeWindow(w, index);
    }
    std::optional<std::string> saveFileDialog(const std::string& title, const std::string& path) override {
        FakeUi::saveFileDialog(title, path);
        if (saveDialogs.size() > 50) saveDialogs.clear();
        return savePath;
    }
    std::optional<std::string> openFileDialog(const std::string& title) override {
        FakeUi::openFileDialog(title);
        if (openDialogs.size() > 50) openDialogs.clear();
        return savePath;
    }
};

struct DriverStats {
    long games = 0;
    long finished = 0;  // reached the results window
    long events = 0;
    long moves = 0;
    long winners = 0;  // players who won and left, over all games
    long saves = 0;
    long loads = 0;
    long sales = 0;
    long loans = 0;
    std::vector<std::string> failures;
};

class GameDriver {
public:
    explicit GameDriver(unsigned seed, std::string savePath) : rng_(seed), chance_(seed * 7919u + 1), game_(ui_, chance_) {
        ui_.rng = &rng_;
        ui_.savePath = std::move(savePath);
        game_.Form_Load();
    }

    Game& game() { return game_; }
    DriverStats& stats() { return stats_; }

    // Plays one game from the new-game window to the results (or until the
    // event budget runs out). Returns false at the first broken invariant.
    bool playOne(long maxEvents = 20000) {
        ++stats_.games;
        startNewGame();
        for (long e = 0; e < maxEvents; ++e) {
            if (!game_.S.GameInProgress && !game_.Results.Loaded) break;
            step();
            ++stats_.events;
            std::string why = checkInvariants();
            if (!why.empty()) {
                std::ostringstream out;
                out << "game " << stats_.games << " event " << e << " after " << last_ << ": " << why;
                stats_.failures.push_back(out.str());
                return false;
            }
            if (finishedThisGame_) break;
        }
        if (game_.S.GameInProgress) {
            stats_.moves += game_.S.Moves;
            game_.CloseGame();
        }
        return true;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    std::string randomAmount() {
        static const char* odd[] = {"", "0", ".5", "0.04", "1.04", "-1", "abc", "3000", "1e9", "99", "0.125", " 2.5x", "10"};
        if (chance(25)) return odd[pick(13)];
        std::ostringstream out;
        out << (pick(100) + 1) / 10.0;
        return out.str().substr(0, 4);
    }

    void startNewGame() {
        finishedThisGame_ = false;
        game_.mnuGameNew_Click();
        NewGameForm& f = game_.NewGame;
        f.optNumOfPlayers_Click(2 + pick(3));
        if (chance(50)) f.optCompanySet_Click(2);
        for (int n = pick(3); n > 0; --n) f.cmdNextSet_Click();
        for (int i = 1; i <= 4; ++i) f.cmbPlayerSex_Click(i, pick(2));
        f.chkSounds_Click(chance(50));
        f.chkBackgroundMusic_Click(chance(50));
        f.chkLimitReactionTime_Click(chance(30));
        f.chkAutoSave_Click(chance(30));
        f.cmdStart_Click();
        last_ = "start";
    }

    Money totalMoney() const {
        std::int64_t t = 0;
        for (int p = 1; p <= game_.S.NumOfPlayers; ++p) t += game_.S.Cash[p] + std::int64_t{game_.S.MoneyInBank[p]};
        return static_cast<Money>(t);
    }

    void step() {
        GameState& s = game_.S;
        // Sound ends come back as the sound device would report them.
        if (ui_.pendingSounds > 0 && chance(70)) {
            --ui_.pendingSounds;
            last_ = "sound done";
            game_.mmcSounds_Done();
            return;
        }
        if (game_.Results.Loaded) {
            stats_.moves += s.Moves;
            stats_.winners += s.WinnerCount;
            last_ = "results OK";
            game_.Results.cmdOK_Click();
            ++stats_.finished;
            finishedThisGame_ = true;
            return;
        }
        if (game_.SellForm.Loaded) return stepSale();
        if (game_.LoanDialog.Loaded) return stepLoan();

        // Timers that run.
        std::vector<TimerId> running;
        for (int t = 0; t < TimerCount; ++t)
            if (game_.TimerEnabled(static_cast<TimerId>(t))) running.push_back(static_cast<TimerId>(t));
        bool walking = game_.TimerEnabled(TimerId::MovePieces) || game_.TimerEnabled(TimerId::ChangeMoney);
        if (!running.empty() && (walking ? chance(85) : chance(30))) {
            TimerId t = running[static_cast<std::size_t>(pick(static_cast<int>(running.size())))];
            // The slow clocks tick rarely, like the real ones.
            if ((t == TimerId::GameTime || t == TimerId::AutoSave) && !chance(5)) t = running.front();
            switch (t) {
                case TimerId::MovePieces: last_ = "walk tick"; game_.tmrMovePieces_Timer(); break;
                case TimerId::ChangeMoney: last_ = "money tick"; game_.tmrChangeMoney_Timer(); break;
                case TimerId::GameTime: last_ = "clock tick"; game_.tmrGameTime_Timer(); break;
                case TimerId::AutoSave: last_ = "auto-save tick"; game_.tmrAutoSave_Timer(); break;
                case TimerId::LimitReactionTime: last_ = "reaction tick"; game_.tmrLimitReactionTime_Timer(); break;
                case TimerId::MusicDelay: last_ = "music tick"; game_.tmrMusicDelay_Timer(); break;
                case TimerId::DestroyDelay: last_ = "disaster tick"; game_.tmrDestroyDelay_Timer(); break;
            }
            return;
        }
        if (chance(3)) {
            last_ = "music done";
            game_.mmcBackgroundMusic_Done();
            return;
        }

        int cp = s.CurrentPlayer;
        if (s.BuyMode && game_.BuyForm.Loaded && chance(60)) {
            if (chance(75)) {
                int opt = 1 + pick(3);
                game_.BuyForm.optName_Click(opt);
                last_ = "buy";
                game_.BuyForm.cmdBuy_Click();
            } else {
                last_ = "refuse to buy";
                game_.BuyForm.cmdCancel_Click();
            }
            return;
        }
        if (s.DepositMode && cp >= 1 && cp <= s.NumOfPlayers && chance(60)) {
            PlayerForm& w = game_.PlayerWindow(cp);
            w.txtBankNum_Typed(randomAmount());
            Money before = totalMoney();
            int players = s.NumOfPlayers;
            last_ = "deposit '" + w.txtBankNum + "'";
            w.cmdDeposit_Click();
            transferCheck(before, players);
            return;
        }
        if (s.InsuranceMode && cp >= 1 && cp <= s.NumOfPlayers && chance(60)) {
            PlayerForm& w = game_.PlayerWindow(cp);
            for (int i = 1; i <= 5; ++i)
                if (w.chkInsuranceEnabled[i] && chance(50)) w.chkInsurance_Click(i);
            last_ = "insure";
            w.cmdOK_Click();
            return;
        }
        if (s.MoveAnywhereMode && chance(50)) {
            last_ = "move anywhere";
            game_.Box_Click(1 + pick(32));
            return;
        }
        if (game_.Wait.Loaded && chance(40)) {
            if (chance(85)) {
                last_ = "pay";
                game_.Wait.cmdPay_Click();
            } else {
                last_ = "I lose";
                game_.Wait.cmdILose_Click();
            }
            return;
        }
        if (game_.Main.cmdRollDiceEnabled && chance(80)) {
            last_ = "roll";
            game_.cmdRollDice_Click();
            return;
        }
        // Anyone at his own window.
        int p = 1 + pick(std::max(1, s.NumOfPlayers));
        if (!game_.PlayerWindowLoaded(p)) return;
        PlayerForm& w = game_.PlayerWindow(p);
        int what = pick(1000);
        if (what < 500) {
            if (!w.cmdWithdrawEnabled) return;
            if (chance(50)) w.vscBankNum_Change(pick(100) - 90);
            else w.txtBankNum_Typed(randomAmount());
            Money before = totalMoney();
            int players = s.NumOfPlayers;
            last_ = "withdraw '" + w.txtBankNum + "' by " + std::to_string(p);
            w.cmdWithdraw_Click();
            transferCheck(before, players);
        } else if (what < 750) {
            last_ = "open sale by " + std::to_string(p);
            w.cmdSellCompanies_Click();
        } else if (what < 850) {
            last_ = "open loan by " + std::to_string(p);
            w.cmdLoan_Click();
        } else if (what < 853) {
            last_ = "quit " + std::to_string(p);
            w.cmdQuitGame_Click();
        } else if (what < 900) {
            saveAndLoad();
        } else {
            last_ = "click list";
            w.lstCompanies_Click(pick(5));
        }
    }

    void stepSale() {
        SellCompaniesForm& f = game_.SellForm;
        int what = pick(100);
        if (f.cmdSubmitEnabled) {
            if (what < 15) {
                int row = pick(5);
                if (f.optNameVisible[row]) {
                    last_ = "sale: company " + std::to_string(row);
                    f.optName_Click(row);
                }
            } else if (what < 60) {
                int row = 1 + pick(3);
                if (!f.optPlayerVisible[row]) return;
                std::int64_t value = game_.S.CompanyValue[std::max(0, std::min(12, game_.S.SaleCompany))];
                std::string bid;
                if (chance(70)) bid = std::to_string((value / 2 + pick(static_cast<int>(value / 10000)) * 10000) / 10000 * 10000);
                else bid = randomAmount();
                last_ = "sale: bid " + bid;
                f.txtBid_Typed(row, bid);
            } else if (what < 90) {
                last_ = "sale: submit";
                f.cmdSubmit_Click();
            } else {
                last_ = "sale: close";
                f.Form_QueryUnload();
            }
            return;
        }
        if (what < 40) {
            int row = pick(4);
            if (f.optPlayerVisible[row] && f.optPlayerEnabled[row]) f.optPlayer_Click(row);
            last_ = "sale: choose " + std::to_string(row);
        } else if (what < 75) {
            Money before = totalMoney();
            int players = game_.S.NumOfPlayers;
            bool toPlayer = !f.optPlayerValue[0];
            last_ = "sale: sell";
            f.cmdSell_Click();
            ++stats_.sales;
            if (toPlayer) transferCheck(before, players);
        } else if (what < 90) {
            last_ = "sale: cancel";
            f.cmdCancel_Click();
        } else {
            last_ = "sale: close";
            f.Form_QueryUnload();
        }
    }

    void stepLoan() {
        LoanForm& f = game_.LoanDialog;
        int what = pick(100);
        if (what < 20) {
            int i = 1 + pick(4);
            if (f.optPlayerVisible[i] && f.optPlayerEnabled[i]) f.optPlayer_Click(i);
            last_ = "loan: borrower";
        } else if (what < 45) {
            if (chance(50)) f.vscLoanNum_Change(pick(100) - 90);
            else f.txtLoanNum_Typed(randomAmount());
            last_ = "loan: amount";
        } else if (what < 55) {
            f.VScroll_Change(1 + pick(10));
            last_ = "loan: terms";
        } else if (what < 85) {
            Money before = totalMoney();
            int players = game_.S.NumOfPlayers;
            int count = game_.S.LoanCount;
            last_ = "loan: grant '" + f.txtLoanNum + "'";
            f.cmdLoan_Click();
            if (!f.Loaded && game_.S.LoanCount == count) ++stats_.loans;
            transferCheck(before, players);
        } else if (what < 95) {
            last_ = "loan: cancel";
            f.cmdCancel_Click();
        } else {
            last_ = "loan: close";
            f.Form_QueryUnload();
        }
    }

    // Saving and loading in the middle of a game must give the same game.
    void saveAndLoad() {
        GameState& s = game_.S;
        if (s.WaitingMode || !game_.Main.cmdRollDiceEnabled) return;
        std::string before = WriteSavedGame(SavedGameFrom(s, game_.Draft.Slot()));
        last_ = "save";
        game_.mnuGameSave_Click();
        ++stats_.saves;
        auto bytes = ReadWholeFile(ui_.savePath);
        if (!bytes || *bytes != before) {
            pendingFailure_ = "the saved file differs from the game saved";
            return;
        }
        last_ = "load";
        std::size_t answersBefore = ui_.answers.size();
        ui_.answers.push_front(MsgAnswer::No);  // do not save again before loading
        game_.mnuGameLoad_Click();
        while (ui_.answers.size() > answersBefore) ui_.answers.pop_front();
        ++stats_.loads;
        std::string after = WriteSavedGame(SavedGameFrom(s, game_.Draft.Slot()));
        if (!s.GameInProgress) pendingFailure_ = "loading a just-saved game left no game on the board";
        else if (after != before) pendingFailure_ = "the loaded game differs from the game saved";
    }

    void transferCheck(Money before, int players) {
        // Banking, sales between players and loans only move money around.
        if (game_.S.NumOfPlayers == players && totalMoney() != before)
            pendingFailure_ = "money was created or lost by a transfer (" + std::to_string(before) + " -> " +
                              std::to_string(totalMoney()) + ")";
    }

    std::string checkInvariants() {
        if (!pendingFailure_.empty()) {
            std::string f = pendingFailure_;
            pendingFailure_.clear();
            return f;
        }
        const GameState& s = game_.S;
        if (s.NumOfPlayers < 1 || s.NumOfPlayers > 4) return "player count out of range";
        if (!s.GameInProgress) return {};
        return GameInvariants(game_);
    }

    std::string pendingFailure_;

    DriverUi ui_;
    std::mt19937_64 rng_;
    StdRandom chance_;
    Game game_;
    DriverStats stats_;
    std::string last_;
    bool finishedThisGame_ = false;
};

}  // namespace zx::test
