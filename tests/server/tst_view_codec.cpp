// A seat's view sent through the codec and drawn again on the other side.
#include <QtTest>
#include <array>
#include <functional>
#include <memory>

#include "core/test_support.h"
#include "net/view_codec.h"
#include "rules/seat_view.h"

using namespace zx;

class ViewCodecTest : public QObject {
    Q_OBJECT
private slots:
    // Mid-sale, with bids typed, one revealed to nobody yet, and a player
    // typing into his own window: the mirror of each seat answers as the
    // real game does, whole or through a chain of changes, and the bytes a
    // seat receives hold nothing of another's masked bid.
    void aMirrorAnswersAsTheGameAndHoldsNoSecretOfAnother() {
        test::FakeUi ui, mirrorUi;
        test::ScriptedRandom dice, mirrorDice;
        Game g(ui, dice);
        test::SetUpGame(g, 3);
        g.S.CompanyOwner[4] = 1;
        g.UpdatePlayerWindows();
        g.S.SellingPlayer = 1;
        g.SellForm.Form_Load();
        g.SellForm.txtBid_Typed(2, "2712345");
        g.PlayerWindow(3).txtBankNum_Typed("0.5");
        g.Log.Add(1, "Ann rolled a 4");

        for (int seat = 1; seat <= 3; ++seat) {
            const QCborMap before = net::EncodeView(SeatView(g, seat));
            Game mirror(mirrorUi, mirrorDice);
            QVERIFY(net::ApplyView(mirror, before));
            const SeatView real(g, seat), seen(mirror, seat);
            QCOMPARE(net::EncodeView(seen), before);
            for (int row = 1; row <= 3; ++row) {
                QCOMPARE(seen.Sale().txtBid[At(row)], real.Sale().txtBid[At(row)]);
                QCOMPARE(seen.BidTyped(row), real.BidTyped(row));
            }
            QCOMPARE(seen.OwnWindow()->txtBankNum, real.OwnWindow()->txtBankNum);
            QCOMPARE(seen.Log().Lines().size(), real.Log().Lines().size());

            const QByteArray bytes = before.toCborValue().toCbor();
            if (seat != 3) {  // row 2 is Cid's
                QVERIFY(!bytes.contains("2712345"));
                // Not even its length: the seat's bytes are the same whatever
                // Bob typed.
                Game other(mirrorUi, mirrorDice);
                other.CopyFrom(g);
                other.SellForm.txtBid_Typed(2, "9");
                // (CopyFrom leaves the log behind: it is the same anyway.)
                QCborMap otherView = net::EncodeView(SeatView(other, seat)), sameView = before;
                otherView.remove(QLatin1String("log"));
                sameView.remove(QLatin1String("log"));
                QCOMPARE(otherView.toCborValue().toCbor(), sameView.toCborValue().toCbor());
            }

            // Changes: the log grows by a line, a bid is typed: the change
            // carries only those, and the mirror follows.
            g.Log.Add(2, "Bob thinks");
            g.SellForm.txtBid_Typed(1, "1000000");
            const QCborMap after = net::EncodeView(SeatView(g, seat));
            const QCborMap change = net::ViewChange(before, after);
            QVERIFY(!change.contains(QLatin1String("S")));
            QCOMPARE(change.value(QLatin1String("log")).toMap().value(QLatin1String("from")).toInteger(),
                     qint64(g.Log.Lines().size() - 1));
            QVERIFY(net::ApplyView(mirror, change));
            QCOMPARE(net::EncodeView(SeatView(mirror, seat)), after);
            g.SellForm.txtBid_Typed(1, "");
            g.Log.Clear();
            g.Log.Add(1, "Ann rolled a 4");
        }
    }

    // The server's encoder: its whole view is EncodeView's, and a mirror
    // that takes its changes (a field of the record, a bid, a log that grows
    // or changes a line it had) stays the seat's view of the real game. A
    // change of one field of the record carries that field alone.
    void theEncodersChangesKeepAMirrorInStep() {
        test::FakeUi ui, mirrorUi;
        test::ScriptedRandom dice, mirrorDice;
        Game g(ui, dice);
        test::SetUpGame(g, 3);
        g.S.SellingPlayer = 1;
        g.SellForm.Form_Load();
        g.Log.Add(1, "Ann rolled a 4");
        net::ViewEncoder encoder;
        std::array<std::unique_ptr<Game>, 4> mirrors;
        for (int seat = 1; seat <= 3; ++seat) {
            const QCborMap whole = encoder.Whole(seat, SeatView(g, seat));
            QCOMPARE(whole, net::EncodeView(SeatView(g, seat)));
            mirrors[seat] = std::make_unique<Game>(mirrorUi, mirrorDice);
            QVERIFY(net::ApplyView(*mirrors[seat], whole));
        }
        const std::vector<std::function<void()>> steps{
            [&] { g.S.GameTime += 1; },
            [&] { g.SellForm.txtBid_Typed(2, "2712345"); g.Log.Add(2, "Bob bids"); },
            [&] { g.Log.MarkComputerLineStanding(); g.Log.Add(2, "Cid bids"); g.S.Cash[1] -= 100; },
            [&] { g.PlayerWindow(1).txtBankNum_Typed("0.5"); g.Main.lblMoves = "7"; },
            [&] { g.Log.Clear(); g.Log.Add(3, "A new start"); },
        };
        for (std::size_t step = 0; step < steps.size(); ++step) {
            steps[step]();
            encoder.Refresh(SeatView(g, 0));
            for (int seat = 1; seat <= 3; ++seat) {
                const QCborMap change = encoder.Change(seat, SeatView(g, seat));
                if (step == 0) {
                    QCOMPARE(change.keys().size(), 1);
                    QCOMPARE(change.value(QLatin1String("S")).toMap().keys().size(), 1);
                }
                if (seat != 3) QVERIFY(!change.toCborValue().toCbor().contains("2712345"));
                QVERIFY(net::ApplyView(*mirrors[seat], change));
                QCOMPARE(net::EncodeView(SeatView(*mirrors[seat], seat)), net::EncodeView(SeatView(g, seat)));
            }
            QVERIFY(encoder.Change(1, SeatView(g, 1)).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(ViewCodecTest)
#include "tst_view_codec.moc"
