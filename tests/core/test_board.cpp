// The board's geometry, the catalogue and the derived money tables.

#include <gtest/gtest.h>

#include "state/board.h"

namespace zx {
namespace {

std::pair<int, int> Step(int col, int row, Dir d) {
    switch (d) {
        case Dir::Up: return {col, row - 1};
        case Dir::Down: return {col, row + 1};
        case Dir::Left: return {col - 1, row};
        case Dir::Right: return {col + 1, row};
    }
    return {col, row};
}

TEST(Board, EveryStepLeadsToTheNextCellOfThePath) {
    for (int i = 1; i <= NumCells; ++i) {
        int next = i == NumCells ? 1 : i + 1;
        auto [col, row] = Step(Cell(i).col, Cell(i).row, Cell(i).next);
        EXPECT_EQ(col, Cell(next).col) << "cell " << i;
        EXPECT_EQ(row, Cell(next).row) << "cell " << i;
    }
    // Cell 32 moves up to cell 1; cell 8 moves left, out of the complex.
    EXPECT_EQ(Cell(32).next, Dir::Up);
    EXPECT_EQ(Cell(8).next, Dir::Left);
}

TEST(Board, FirstStepFromEachStartBoxEntersTheMarketOfItsEdge) {
    const int markets[] = {0, 1, 9, 17, 25};
    for (int b = 1; b <= 4; ++b) {
        auto [col, row] = Step(StartBox(b).col, StartBox(b).row, StartBox(b).first);
        EXPECT_EQ(col, Cell(markets[b]).col) << "start box " << b;
        EXPECT_EQ(row, Cell(markets[b]).row) << "start box " << b;
        EXPECT_EQ(Cell(markets[b]).kind, CellKind::Market);
    }
}

TEST(Board, CellsAreDistinctPlacesOnTheRing) {
    for (int i = 1; i <= NumCells; ++i)
        for (int j = i + 1; j <= NumCells; ++j)
            EXPECT_FALSE(Cell(i).col == Cell(j).col && Cell(i).row == Cell(j).row) << i << " and " << j;
    EXPECT_EQ(CellLeft(1), 2280);
    EXPECT_EQ(CellTop(1), 120);
    EXPECT_EQ(StartBoxLeft(4), 6600);
    EXPECT_EQ(StartBoxTop(4), 3360);
}

TEST(Board, CompanyBoxAndItsInverse) {
    const int boxes[] = {0, 6, 7, 8, 14, 15, 16, 22, 23, 24, 30, 31, 32};
    for (int k = 1; k <= NumCompanies; ++k) {
        EXPECT_EQ(CompanyBox(k), boxes[k]);
        EXPECT_EQ(CompanyOnCell(boxes[k]), k);
        EXPECT_EQ(Cell(boxes[k]).kind, CellKind::Company);
    }
    EXPECT_EQ(CompanyBox(0), 0);
    EXPECT_EQ(CompanyBox(13), 0);
    EXPECT_EQ(CompanyBox(-1), 0);
    EXPECT_EQ(CompanyOnCell(1), 0);
}

TEST(Board, SpecialCellsFollowTheQuarterPattern) {
    for (int q = 0; q < 4; ++q) {
        EXPECT_EQ(Cell(8 * q + 1).kind, CellKind::Market);
        EXPECT_EQ(Cell(8 * q + 2).kind, CellKind::Computer);
        EXPECT_EQ(Cell(8 * q + 3).kind, CellKind::Tax);
        EXPECT_EQ(Cell(8 * q + 4).kind, CellKind::Bank);
        EXPECT_EQ(Cell(8 * q + 5).kind, CellKind::Insurance);
    }
    EXPECT_EQ(CellOfKind(CellKind::Bank, 1), 20);
    EXPECT_EQ(CellOfKind(CellKind::Market, 3), 1);
    EXPECT_EQ(CellOfKind(CellKind::Tax, 4), 11);
}

TEST(Board, DetectionFindsEveryCellAtEveryPlaceAPieceCanStand) {
    for (int i = 1; i <= NumCells; ++i) {
        // The lone spot, and the four diagonal spots of shared cells.
        EXPECT_EQ(CellAtPiece(CellLeft(i) + 240, CellTop(i) + 240), i);
        for (int p = 1; p <= 4; ++p)
            EXPECT_EQ(CellAtPiece(CellLeft(i) + 100 * p, CellTop(i) + 100 * p), i) << "cell " << i << " p " << p;
        EXPECT_EQ(StartBoxAtPiece(CellLeft(i) + 240, CellTop(i) + 240), 0);
    }
    for (int b = 1; b <= 4; ++b) {
        EXPECT_EQ(StartBoxAtPiece(StartBoxLeft(b) + 240, StartBoxTop(b) + 240), b);
        EXPECT_EQ(CellAtPiece(StartBoxLeft(b) + 240, StartBoxTop(b) + 240), 0);
    }
}

TEST(Board, DetectionBoundsAreStrict) {
    EXPECT_EQ(CellAtPiece(2200, 500), 0);  // exactly on the bound between cells 1 and 2
    EXPECT_EQ(CellAtPiece(2201, 500), 1);
    EXPECT_EQ(CellAtPiece(500, 1000), 0);
    EXPECT_EQ(CellAtPiece(3500, 3500), 0);  // the middle of the board
    EXPECT_EQ(CellAtPiece(-20000, 3500), 0);
}

TEST(Catalogue, BothSetsShareValuesAndCells) {
    EXPECT_EQ(Catalogue(1).value, 2'000'000);
    EXPECT_STREQ(Catalogue(1).shortName[0], "IBM");
    EXPECT_STREQ(Catalogue(1).shortName[1], "GM");
    EXPECT_STREQ(Catalogue(12).longName[1], "Citroen (French Complex)");
    EXPECT_STREQ(ComplexWord(1, 2), "CPU");
    EXPECT_STREQ(ComplexWord(2, 4), "French");
    EXPECT_EQ(LogoNumber(2, 1), 13);
    EXPECT_EQ(PiecePictureNumber(3, 2), 7);
    EXPECT_EQ(PiecePictureNumber(1, 4), 1);  // set numbers wrap round three sets
}

TEST(Catalogue, DerivedMoneyTables) {
    GameState s;
    Definitions(s);
    const Money tax[] = {0, 100000, 85000, 75000, 90000, 75000, 65000, 80000, 65000, 55000, 70000, 55000, 45000};
    const Money half[] = {0, 1000000, 850000, 750000, 900000, 750000, 650000,
                          800000, 650000, 550000, 700000, 550000, 450000};
    for (int k = 1; k <= NumCompanies; ++k) {
        Money v = s.CompanyValue[k];
        EXPECT_EQ(s.CompanyTax[k], tax[k]) << k;
        EXPECT_EQ(s.ComplexEnteringFee[k], half[k]) << k;
        EXPECT_EQ(s.OwnEnteringIncome[k], v * 15 / 100) << k;
        EXPECT_EQ(s.EnteringFee[k], v * 30 / 100) << k;
        EXPECT_EQ(s.InsurancePrice[k], v * 20 / 100) << k;
        EXPECT_EQ(s.OwnComplexEnteringIncome[k], v * 25 / 100) << k;
    }
    EXPECT_EQ(s.EnteringFee[1], 600000);
    EXPECT_EQ(s.OwnEnteringIncome[1], 300000);
    EXPECT_EQ(s.MsgMustWithdraw[0], '\r');
    EXPECT_EQ(s.MsgCanBorrow,
              "\rHowever, you can provide the money by selling your companies or borrowing money from somebody.");
}

TEST(Catalogue, OutlineAndMaskRectangles) {
    Rect f = CompanyFrameRect(1);
    EXPECT_EQ(f.left, CellLeft(6));
    EXPECT_EQ(f.width, 1020);
    Rect c1 = ComplexFrameRect(1);
    EXPECT_EQ(c1.left, CellLeft(6));
    EXPECT_EQ(c1.top, CellTop(6));
    EXPECT_EQ(c1.height, 3195);
    Rect c4 = ComplexFrameRect(4);
    EXPECT_EQ(c4.left, CellLeft(32));
    EXPECT_EQ(c4.width, 3195);
    EXPECT_EQ(DestroyMaskRect(2).left, 2173);
    EXPECT_EQ(DestroyMaskRect(2).height, 1215);
}

}  // namespace
}  // namespace zx
