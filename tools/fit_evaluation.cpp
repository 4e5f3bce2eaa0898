// fit-evaluation: fits the weights with which the hard player judges an
// unfinished continuation. It plays games of normal players only, looks at
// every seated player's WinFeatures every few moves while nobody has won
// yet, and fits P(p wins) = exp(w.x_p) / sum over the seated q of
// exp(w.x_q) to who won in the end (maximum likelihood, Newton's method).
// It prints the weights and, to compare, how well the old rule
// exp(8 * progress) and the fitted one foretell the winner.
//
//   build/fit-evaluation --games 4000 --players 4 --seed 1

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ai/board_sense.h"
#include "ai/instant_game.h"

namespace {

using Features = std::array<double, zx::ai::NumWinFeatures>;
constexpr int N = zx::ai::NumWinFeatures;

struct Snapshot {
    std::vector<Features> players;
    int winner = 0;  // index into players
};

struct Fit {
    double logLikelihood = 0;
    double rightFirst = 0;  // share of snapshots whose likeliest player won
};

Fit Judge(const std::vector<Snapshot>& data, const Features& w) {
    Fit f;
    for (const Snapshot& s : data) {
        double top = -1e300, total = 0;
        std::size_t best = 0;
        std::vector<double> u;
        for (const Features& x : s.players) {
            double v = 0;
            for (int i = 0; i < N; ++i) v += w[i] * x[i];
            u.push_back(v);
        }
        for (std::size_t j = 0; j < u.size(); ++j)
            if (u[j] > top) top = u[j], best = j;
        for (double v : u) total += std::exp(v - top);
        f.logLikelihood += u[static_cast<std::size_t>(s.winner)] - top - std::log(total);
        f.rightFirst += best == static_cast<std::size_t>(s.winner);
    }
    f.logLikelihood /= static_cast<double>(data.size());
    f.rightFirst /= static_cast<double>(data.size());
    return f;
}

// One Newton step of the conditional logit, a little ridge for the rank.
Features NewtonStep(const std::vector<Snapshot>& data, const Features& w) {
    std::array<double, N> g{};
    std::array<std::array<double, N>, N> h{};
    for (const Snapshot& s : data) {
        std::vector<double> p;
        double top = -1e300, total = 0;
        for (const Features& x : s.players) {
            double v = 0;
            for (int i = 0; i < N; ++i) v += w[i] * x[i];
            p.push_back(v);
            top = std::max(top, v);
        }
        for (double& v : p) total += (v = std::exp(v - top));
        Features mean{};
        for (std::size_t j = 0; j < p.size(); ++j) {
            p[j] /= total;
            for (int i = 0; i < N; ++i) mean[i] += p[j] * s.players[j][i];
        }
        for (int i = 0; i < N; ++i) g[i] += s.players[static_cast<std::size_t>(s.winner)][i] - mean[i];
        for (std::size_t j = 0; j < p.size(); ++j)
            for (int a = 0; a < N; ++a)
                for (int b = 0; b < N; ++b)
                    h[a][b] += p[j] * (s.players[j][a] - mean[a]) * (s.players[j][b] - mean[b]);
    }
    for (int a = 0; a < N; ++a) h[a][a] += 1e-6 * static_cast<double>(data.size());
    // Solve h d = g (Gaussian elimination; h is positive definite).
    for (int c = 0; c < N; ++c) {
        for (int r = c + 1; r < N; ++r) {
            const double f = h[r][c] / h[c][c];
            for (int k = c; k < N; ++k) h[r][k] -= f * h[c][k];
            g[r] -= f * g[c];
        }
    }
    Features d{};
    for (int r = N - 1; r >= 0; --r) {
        double v = g[r];
        for (int k = r + 1; k < N; ++k) v -= h[r][k] * d[k];
        d[r] = v / h[r][r];
    }
    Features next = w;
    for (int i = 0; i < N; ++i) next[i] += d[i];
    return next;
}

}  // namespace

int main(int argc, char** argv) {
    int games = 2000, players = 4, every = 10;
    std::uint64_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--games") games = std::atoi(argv[i + 1]);
        else if (arg == "--players") players = std::atoi(argv[i + 1]);
        else if (arg == "--every") every = std::atoi(argv[i + 1]);
        else if (arg == "--seed") seed = std::strtoull(argv[i + 1], nullptr, 10);
    }
    std::vector<Snapshot> data;
    for (int index = 0; index < games; ++index) {
        zx::ai::InstantGame game(seed * 1'000'003ull + static_cast<std::uint64_t>(index) + 1);
        game.StartNew(std::vector<int>(static_cast<std::size_t>(players), zx::Normal), 1 + index % 2);
        const zx::GameState& s = game.game().S;
        std::vector<std::pair<std::vector<std::string>, Snapshot>> seen;
        for (int m = every;; m += every) {
            const auto end = game.PlayOut(m);
            if (end != zx::ai::InstantGame::End::MoveCap || s.WinnerCount > 0) break;
            auto& [names, snap] = seen.emplace_back();
            for (int p = 1; p <= s.NumOfPlayers; ++p) {
                names.push_back(s.PlayerName[static_cast<std::size_t>(p)]);
                snap.players.push_back(zx::ai::WinFeatures(s, p));
            }
            if (m > 2000) break;
        }
        const std::string& first = s.Finisher[1];
        if (first.empty()) continue;
        for (auto& [names, snap] : seen) {
            for (std::size_t j = 0; j < names.size(); ++j)
                if (names[j] == first) snap.winner = static_cast<int>(j), data.push_back(snap);
        }
    }
    Features old{};
    old[2] = 8;
    Features w{};
    for (int step = 0; step < 12; ++step) w = NewtonStep(data, w);
    const Fit a = Judge(data, old), b = Judge(data, w);
    std::printf("%zu positions from %d games of %d\n", data.size(), games, players);
    std::printf("exp(8 * progress): log-likelihood %.4f, likeliest won %.1f %%\n", a.logLikelihood, 100 * a.rightFirst);
    std::printf("fitted:            log-likelihood %.4f, likeliest won %.1f %%\n", b.logLikelihood, 100 * b.rightFirst);
    std::printf("weights:");
    for (double x : w) std::printf(" %.3f", x);
    std::printf("\n");
    return 0;
}
