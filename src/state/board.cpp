#include "state/board.h"

#include <array>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "rules/functions.h"
#include "rules/text.h"

namespace zx {
namespace {

using K = CellKind;
using D = Dir;

const std::array<CellInfo, NumCells + 1> kCells{{
    {0, 0, K::Market, 0, D::Left},  // slot 0 unused
    {2, 0, K::Market, 3, D::Left},
    {1, 0, K::Computer, 3, D::Left},
    {0, 0, K::Tax, 3, D::Down},
    {0, 1, K::Bank, 3, D::Down},
    {0, 2, K::Insurance, 3, D::Right},
    {1, 2, K::Company, 1, D::Down},
    {1, 3, K::Company, 2, D::Down},
    {1, 4, K::Company, 3, D::Left},
    {0, 4, K::Market, 4, D::Down},
    {0, 5, K::Computer, 4, D::Down},
    {0, 6, K::Tax, 4, D::Right},
    {1, 6, K::Bank, 4, D::Right},
    {2, 6, K::Insurance, 4, D::Up},
    {2, 5, K::Company, 4, D::Right},
    {3, 5, K::Company, 5, D::Right},
    {4, 5, K::Company, 6, D::Down},
    {4, 6, K::Market, 1, D::Right},
    {5, 6, K::Computer, 1, D::Right},
    {6, 6, K::Tax, 1, D::Up},
    {6, 5, K::Bank, 1, D::Up},
    {6, 4, K::Insurance, 1, D::Left},
    {5, 4, K::Company, 7, D::Up},
    {5, 3, K::Company, 8, D::Up},
    {5, 2, K::Company, 9, D::Right},
    {6, 2, K::Market, 2, D::Up},
    {6, 1, K::Computer, 2, D::Up},
    {6, 0, K::Tax, 2, D::Left},
    {5, 0, K::Bank, 2, D::Left},
    {4, 0, K::Insurance, 2, D::Down},
    {4, 1, K::Company, 10, D::Left},
    {3, 1, K::Company, 11, D::Left},
    {2, 1, K::Company, 12, D::Up},
}};

const std::array<StartBoxInfo, 5> kStartBoxes{{
    {0, 0, D::Left},
    {3, 0, D::Left},
    {0, 3, D::Down},
    {3, 6, D::Right},
    {6, 3, D::Up},
}};

// Detection rectangles of the piece's top-left corner; every bound is strict.
// A missing bound is written as a very large or very small number.
struct Range { double lo, hi; };
constexpr double kLow = -1e18, kHigh = 1e18;
struct DetectRect { Range x, y; };

const std::array<DetectRect, NumCells + 1> kCellRects{{
    {{0, 0}, {0, 0}},
    {{2200, 3300}, {kLow, 1000}},
    {{1100, 2200}, {kLow, 1000}},
    {{kLow, 1000}, {kLow, 1000}},
    {{kLow, 1000}, {1000, 2000}},
    {{kLow, 1000}, {2300, 3400}},
    {{1000, 2000}, {2000, 3000}},
    {{1000, 2000}, {3000, 4000}},
    {{1100, 2200}, {4400, 5500}},
    {{kLow, 1000}, {4500, 5500}},
    {{kLow, 1000}, {5500, 6500}},
    {{kLow, 1000}, {6500, 7500}},
    {{1000, 2000}, {6500, 7500}},
    {{2300, 3300}, {6500, 7500}},
    {{2300, 3300}, {5500, 6500}},
    {{3300, 4400}, {5500, 6500}},
    {{4500, 5500}, {5500, 6500}},
    {{4500, 5500}, {6500, 7500}},
    {{5500, 6500}, {6500, 7500}},
    {{6500, kHigh}, {6500, 7500}},
    {{6500, kHigh}, {5500, 6500}},
    {{6600, kHigh}, {4400, 5500}},
    {{5500, 6500}, {4400, 5500}},
    {{5500, 6500}, {3400, 4400}},
    {{5500, 6500}, {2300, 3300}},
    {{6600, 7500}, {2300, 3300}},
    {{6600, 7500}, {1100, 2300}},
    {{6600, kHigh}, {kLow, 1000}},
    {{5500, 6600}, {kLow, 1000}},
    {{4500, 5500}, {kLow, 1000}},
    {{4400, 5500}, {1100, 2200}},
    {{3300, 4400}, {1100, 2200}},
    {{2300, 3300}, {1000, 2000}},
}};

const std::array<DetectRect, 5> kStartRects{{
    {{0, 0}, {0, 0}},
    {{3300, 4400}, {kLow, 1100}},
    {{kLow, 1100}, {3300, 4400}},
    {{3300, 4400}, {6600, kHigh}},
    {{6600, kHigh}, {3300, 4400}},
}};

bool Inside(const DetectRect& r, double x, double y) {
    return x > r.x.lo && x < r.x.hi && y > r.y.lo && y < r.y.hi;
}

const std::array<CatalogueEntry, NumCompanies + 1> kCatalogue{{
    {0, {"", ""}, {"", ""}},
    {2'000'000, {"IBM", "GM"},
     {"International Business Machines [IBM] (Computers Complex)", "General Motors [GM] (US Complex)"}},
    {1'700'000, {"HP", "Ford"}, {"Hewlett Packard [HP] (Computers Complex)", "Ford (US Complex)"}},
    {1'500'000, {"Compaq", "Buick"}, {"Compaq (Computers Complex)", "Buick (US Complex)"}},
    {1'800'000, {"Motorola", "Toyota"}, {"Motorola (CPU Complex)", "Toyota (Japanese Complex)"}},
    {1'500'000, {"Intel", "Honda"}, {"Intel (CPU Complex)", "Honda (Japanese Complex)"}},
    {1'300'000, {"AMD", "Nissan"},
     {"Advanced Micro Devices [AMD] (CPU Complex)", "Nissan (Japanese Complex)"}},
    {1'600'000, {"Lucent", "VW"},
     {"Lucent Technologies (Software Complex)", "Volkswagen [VW] (German Complex)"}},
    {1'300'000, {"Microsoft", "BMW"}, {"Microsoft (Software Complex)", "BMW (German Complex)"}},
    {1'100'000, {"Sun", "Benz"}, {"Sun Microsystems (Software Complex)", "Mercedes Benz (German Complex)"}},
    {1'400'000, {"Silicon", "Renault"},
     {"Silicon Graphics (Multimedia Complex)", "Renault (French Complex)"}},
    {1'100'000, {"EA", "Peugeot"},
     {"Electronic Arts [EA] (Multimedia Complex)", "Peugeot (French Complex)"}},
    {900'000, {"Diamond", "Citroen"},
     {"Diamond Multimedia (Multimedia Complex)", "Citroen (French Complex)"}},
}};

// Each word is translated alone and then put into the "%1 Complex" pattern,
// so a translator can make the word agree with the pattern of its language.
const SourceText kComplexWords[2][4] = {
    {ZX_TEXT("Complex", "Computers"), ZX_TEXT("Complex", "CPU"), ZX_TEXT("Complex", "Software"),
     ZX_TEXT("Complex", "Multimedia")},
    {ZX_TEXT("Complex", "US"), ZX_TEXT("Complex", "Japanese"), ZX_TEXT("Complex", "German"),
     ZX_TEXT("Complex", "French")},
};

Money Share(Money value, double share) {
    return static_cast<Money>(RoundHalfEven(static_cast<double>(value) * share));
}

}  // namespace

const CellInfo& Cell(int i) { return kCells.at(static_cast<std::size_t>(i)); }
const StartBoxInfo& StartBox(int b) { return kStartBoxes.at(static_cast<std::size_t>(b)); }

int CellLeft(int i) { return PlaceCoord(Cell(i).col); }
int CellTop(int i) { return PlaceCoord(Cell(i).row); }
int StartBoxLeft(int b) { return PlaceCoord(StartBox(b).col); }
int StartBoxTop(int b) { return PlaceCoord(StartBox(b).row); }

int CompanyBox(int k) {
    if (k < 1 || k > NumCompanies) return 0;
    static constexpr int kBoxes[NumCompanies + 1] = {0, 6, 7, 8, 14, 15, 16, 22, 23, 24, 30, 31, 32};
    return kBoxes[k];
}

int CompanyOnCell(int i) {
    if (i < 1 || i > NumCells) return 0;
    return Cell(i).kind == CellKind::Company ? Cell(i).number : 0;
}

int CellOfKind(CellKind kind, int number) {
    for (int i = 1; i <= NumCells; ++i)
        if (Cell(i).kind == kind && Cell(i).number == number) return i;
    return 0;
}

namespace {

// Detection runs at every cell a piece walks over, so the rectangles are
// looked up in a table rather than tried one by one. Every bound of every
// rectangle cuts the axes into bands: the bounds themselves and the open
// stretches between them. Inside one band each rectangle either holds all
// points or none, so one answer per pair of bands is the whole truth.
class Locator {
public:
    template <std::size_t N> explicit Locator(const std::array<DetectRect, N>& rects) {
        for (std::size_t i = 1; i < N; ++i) {
            xs_.insert(xs_.end(), {rects[i].x.lo, rects[i].x.hi});
            ys_.insert(ys_.end(), {rects[i].y.lo, rects[i].y.hi});
        }
        for (auto* edges : {&xs_, &ys_}) {
            std::sort(edges->begin(), edges->end());
            edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
        }
        const std::size_t xb = 2 * xs_.size() + 1, yb = 2 * ys_.size() + 1;
        answer_.assign(xb * yb, 0);
        for (std::size_t bx = 0; bx < xb; ++bx)
            for (std::size_t by = 0; by < yb; ++by) {
                const double x = Sample(xs_, bx), y = Sample(ys_, by);
                for (std::size_t i = N - 1; i >= 1; --i)
                    if (Inside(rects[i], x, y)) answer_[bx * yb + by] = static_cast<int>(i);
            }
    }
    int At(double x, double y) const {
        return answer_[Band(xs_, x) * (2 * ys_.size() + 1) + Band(ys_, y)];
    }

private:
    // Band 2k+1 is edge k itself; band 2k the open stretch below it.
    static std::size_t Band(const std::vector<double>& edges, double v) {
        const auto it = std::lower_bound(edges.begin(), edges.end(), v);
        const auto k = static_cast<std::size_t>(it - edges.begin());
        return it != edges.end() && *it == v ? 2 * k + 1 : 2 * k;
    }
    static double Sample(const std::vector<double>& edges, std::size_t band) {
        const std::size_t k = band / 2;
        if (band % 2 == 1) return edges[k];
        if (k == 0) return edges.front() - 1;
        if (k == edges.size()) return edges.back() + 1;
        return (edges[k - 1] + edges[k]) / 2;
    }
    std::vector<double> xs_, ys_;
    std::vector<int> answer_;
};

const Locator& CellLocator() {
    static const Locator cells(kCellRects);
    return cells;
}

const Locator& StartBoxLocator() {
    static const Locator boxes(kStartRects);
    return boxes;
}

// The few places pieces stand on come up again and again: the last answers
// are kept (per thread, as the arena plays games side by side).
struct Detected {
    double x = -1, y = -1;
    int cell = 0, box = 0;
};

const Detected& Detect(double x, double y) {
    thread_local std::array<Detected, 1024> cache{};
    const auto h = static_cast<std::uint64_t>(static_cast<std::int64_t>(x)) * 0x9E3779B97F4A7C15ull ^
                   static_cast<std::uint64_t>(static_cast<std::int64_t>(y)) * 0xC2B2AE3D27D4EB4Full;
    const auto key = static_cast<std::size_t>(h >> 54);
    Detected& d = cache[key];
    if (d.x != x || d.y != y) d = {x, y, CellLocator().At(x, y), StartBoxLocator().At(x, y)};
    return d;
}

}  // namespace

int CellAtPiece(double x, double y) {
    if (!(x == x) || !(y == y)) return 0;  // not a number: on no cell
    return Detect(x, y).cell;
}

int StartBoxAtPiece(double x, double y) {
    if (!(x == x) || !(y == y)) return 0;
    return Detect(x, y).box;
}

// English; shown through Say(SourceText{"Cell", ...}).
const char* CellHoverText(CellKind kind) {
    switch (kind) {
        case CellKind::Market: return ZX_TEXT("Cell", "Company market cell").source;
        case CellKind::Computer: return ZX_TEXT("Cell", "Computer cell").source;
        case CellKind::Tax: return ZX_TEXT("Cell", "Tax cell").source;
        case CellKind::Bank: return ZX_TEXT("Cell", "Bank cell").source;
        case CellKind::Insurance: return ZX_TEXT("Cell", "Insurance cell").source;
        case CellKind::Company: return ZX_TEXT("Cell", "Company cell").source;
    }
    return "";
}

const CatalogueEntry& Catalogue(int k) { return kCatalogue.at(static_cast<std::size_t>(k)); }

SourceText ComplexWordText(int companySet, int c) {
    if (companySet < 1 || companySet > 2 || c < 1 || c > 4) return SourceText{"Complex", ""};
    return kComplexWords[companySet - 1][c - 1];
}

const char* ComplexWord(int companySet, int c) { return ComplexWordText(companySet, c).source; }

int PiecePictureNumber(int piece, int pieceSet) {
    // Piece sets are taken modulo three, so a set number out of range still
    // names one of the three drawn sets.
    int set = ((pieceSet - 1) % 3 + 3) % 3;
    return piece + set * 4;
}

Rect CompanyFrameRect(int k) {
    int box = CompanyBox(k);
    return {CellLeft(box), CellTop(box), 1020, 1020};
}

Rect ComplexFrameRect(int c) {
    int first = CompanyBox(3 * c - 2);
    int left = CellLeft(first), top = CellTop(first);
    for (int k = 3 * c - 2; k <= 3 * c; ++k) {
        left = std::min(left, CellLeft(CompanyBox(k)));
        top = std::min(top, CellTop(CompanyBox(k)));
    }
    bool vertical = (c == 1 || c == 3);
    return {left, top, vertical ? 1020 : 3195, vertical ? 3195 : 1020};
}

Rect DestroyMaskRect(int c) {
    static constexpr Rect kMasks[5] = {
        {0, 0, 0, 0},
        {1100, 2173, 1200, 3375},
        {2173, 5413, 3375, 1215},
        {5413, 2173, 1215, 3375},
        {2173, 1093, 3375, 1215},
    };
    if (c < 1 || c > 4) return kMasks[0];
    return kMasks[c];
}

void Definitions(GameState& s) {
    for (int k = 1; k <= NumCompanies; ++k) {
        Money v = Catalogue(k).value;
        s.CompanyValue[k] = v;
        s.CompanyTax[k] = Share(v, 0.05);
        s.OwnEnteringIncome[k] = Share(v, 0.15);
        s.EnteringFee[k] = Share(v, 0.30);
        s.InsurancePrice[k] = Share(v, 0.20);
        s.OwnComplexEnteringIncome[k] = Share(v, 0.25);
        s.ComplexEnteringFee[k] = Share(v, 0.50);
    }
    // A separate sentence on a line of its own below the message it follows.
    s.MsgMustWithdraw = std::string(1, '\r').append(
        Say(ZX_TEXT("Message", "You must withdraw money from your bank account or sell your companies to provide the money!")));
    s.MsgCanBorrow = std::string(1, '\r').append(
        Say(ZX_TEXT("Message", "However, you can provide the money by selling your companies or borrowing money from somebody.")));
}

}  // namespace zx
