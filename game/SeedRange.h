#pragma once
// The seeds a game can be asked for by every tool (the "seed" key, chompsim,
// the Python module, scripts/replay): 1 to the largest value the key holds.
// A seed one tool takes, every tool takes, so any game can be replayed.

constexpr long long kFirstSeed = 1;
constexpr long long kLastSeed = 2147483647;
