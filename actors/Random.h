#pragma once
// The ghosts' random draws: a value r with 0 <= r <= 1. The default source takes
// 15 bits of the C library's generator (seeded with srand), so every half and
// quarter of [0, 1] holds exactly the same share of the 32768 possible results.

using RandomSource = double (*)();

// One draw from the current source.
double drawRandom();
// The default source: (rand() & 0x7FFF) / 32767.0.
double libraryRandom();
// Replaces the source (tests script the draws); null restores libraryRandom.
void setRandomSource(RandomSource source);
