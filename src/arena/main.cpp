// zentrix-arena: plays many games between computer players, nobody
// watching, and tells how often each strength wins.
//
//   zentrix-arena --games 2000 --seats hard,normal --seed 1 --jobs 2
//
// Seats rotate from game to game, so that no strength gains from playing
// first. The win share of a strength is the share of games in which one of
// its seats took the first place.

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "ai/arena.h"

namespace {

void Usage() {
    std::fprintf(stderr,
                 "usage: zentrix-arena [--games N] [--seats KIND,KIND[,KIND[,KIND]]] [--seed S] [--jobs J]\n"
                 "                     [--move-cap M] [--think-ms T] [--playouts P] [--instant 0|1]\n"
                 "KIND is easy, normal or hard; 2 to 4 seats.\n");
}

}  // namespace

int main(int argc, char** argv) {
    zx::ai::ArenaOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* name) -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "zentrix-arena: %s needs a value\n", name);
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--games") o.games = std::atoi(value("--games"));
        else if (arg == "--seats") {
            o.seats.clear();
            std::string list = value("--seats");
            std::size_t start = 0;
            while (start <= list.size()) {
                std::size_t comma = list.find(',', start);
                std::string kind = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
                int type = zx::ai::ArenaKind(kind);
                if (type == 0) {
                    std::fprintf(stderr, "zentrix-arena: unknown player kind '%s'\n", kind.c_str());
                    return 2;
                }
                o.seats.push_back(type);
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
        } else if (arg == "--seed") o.seed = std::strtoull(value("--seed"), nullptr, 10);
        else if (arg == "--jobs") o.jobs = std::atoi(value("--jobs"));
        else if (arg == "--move-cap") o.moveCap = std::atoi(value("--move-cap"));
        else if (arg == "--think-ms") o.lookAhead.seconds = std::atof(value("--think-ms")) / 1000.0;
        else if (arg == "--playouts") o.lookAhead.playouts = std::atoi(value("--playouts"));
        else if (arg == "--horizon") o.lookAhead.horizon = std::atoi(value("--horizon"));
        else if (arg == "--instant") o.instant = std::atoi(value("--instant")) != 0;
        else if (arg == "--help" || arg == "-h") {
            Usage();
            return 0;
        } else {
            std::fprintf(stderr, "zentrix-arena: unknown option '%s'\n", arg.c_str());
            Usage();
            return 2;
        }
    }
    if (o.seats.size() < 2 || o.seats.size() > 4 || o.games < 1 || o.jobs < 1) {
        Usage();
        return 2;
    }
    const zx::ai::ArenaReport r = zx::ai::RunArena(o);
    std::fputs(zx::ai::FormatReport(o, r).c_str(), stdout);
    return 0;
}
