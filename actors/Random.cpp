#include "actors/Random.h"

#include <cstdlib>

namespace {
RandomSource currentSource = libraryRandom;
}

double libraryRandom() { return (std::rand() & 0x7FFF) / 32767.0; }

double drawRandom() { return currentSource(); }

void setRandomSource(RandomSource source) {
  currentSource = source != nullptr ? source : libraryRandom;
}
