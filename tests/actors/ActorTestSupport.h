#pragma once
// Shared pieces of the actor tests: a chomper steered by the test, ghosts of
// any colour and scripted random draws.

#include <memory>
#include <vector>

#include "actors/Chomper.h"
#include "actors/GreenGhost.h"
#include "actors/OrangeGhost.h"
#include "actors/RedGhost.h"
#include "actors/TurquoiseGhost.h"
#include "tests/support/GameFixture.h"

// Actor kinds.
constexpr int CHOMPER = 0, RED = 1, GREEN = 2, ORANGE = 3, TURQUOISE = 4;

// A chomper whose direction is set by the test itself.
class TestChomper : public Chomper {
 public:
  void decide() override {}
};

// A fresh ghost of the given kind, at home facing up.
inline std::unique_ptr<Ghost> makeGhost(int kind) {
  switch (kind) {
    case RED: return std::make_unique<RedGhost>();
    case GREEN: return std::make_unique<GreenGhost>();
    case ORANGE: return std::make_unique<OrangeGhost>();
    default: return std::make_unique<TurquoiseGhost>();
  }
}

// Replaces the random source with a fixed list of draws, repeated when it runs
// out, and counts the draws taken. Puts the library source back at the end.
class ScriptedDraws {
 public:
  explicit ScriptedDraws(std::vector<double> draws) {
    values = std::move(draws);
    taken = 0;
    setRandomSource([] { return values[static_cast<size_t>(taken++) % values.size()]; });
  }
  ~ScriptedDraws() { setRandomSource(nullptr); }
  int drawsTaken() const { return taken; }

 private:
  inline static std::vector<double> values;
  inline static int taken = 0;
};

using ActorTest = GameFixture;
