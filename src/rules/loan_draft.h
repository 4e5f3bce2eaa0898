#pragma once
// The loan slot that an open "Lend money" window has taken.
//
// Pressing Loan in a personal window takes the next loan slot at once and
// writes the lender into it, so that the window can leave him out of the
// borrowers and every rule that moves players along moves him too. The
// borrower, amount and terms are written only when the borrower says yes.
// Until then the slot is a draft, not a loan: it is never saved (the file
// has only real loans), never repaid at a landing and never settled when a
// player leaves, because nobody owes anything yet. Cancel, the window's
// close command and the lender's leaving give it back.
//
// Only one loan window is ever open, and nothing else schedules a loan
// while it is, so the draft is always the last slot taken; repayments that
// take earlier slots off the schedule move it down with the others.

#include "state/game_state.h"

namespace zx {

class LoanDraft {
public:
    // The slot held, 0 when no loan window is open.
    int Slot() const { return slot_; }
    bool Holds(int slot) const { return slot_ != 0 && slot == slot_; }

    // Takes the next slot for `lender`; the caller has checked that one is free.
    void Take(GameState& s, int lender) {
        s.LoanCount += 1;
        s.LoanLender[static_cast<std::size_t>(s.LoanCount)] = lender;
        slot_ = s.LoanCount;
    }
    // The borrower said yes: the slot is a real loan from now on.
    void Confirm() { slot_ = 0; }
    // The window closed without a loan: the slot is free again.
    void GiveBack(GameState& s) {
        if (slot_ >= 1 && slot_ <= s.LoanCount) {
            s.LoanLender[static_cast<std::size_t>(slot_)] = 0;
            s.LoanBorrower[static_cast<std::size_t>(slot_)] = 0;
            s.LoanCount = slot_ - 1;
        }
        slot_ = 0;
    }
    // Slot `removed` has left the schedule and the later ones moved down.
    void SlotRemoved(int removed) {
        if (slot_ == removed)
            slot_ = 0;
        else if (slot_ > removed)
            slot_ -= 1;
    }
    // A game closed or started: no window holds anything.
    void Forget() { slot_ = 0; }

private:
    int slot_ = 0;
};

}  // namespace zx
