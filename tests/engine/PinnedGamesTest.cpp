// Whole seeded games through the headless driver, pinned outcome for
// outcome: every rule, the ghosts' order and the player's choices show up in
// them. The settings make the rare paths happen: ghosts eaten and released
// while still blue, the player's chase window ending inside a blue period,
// short phases of unequal lengths, slowed ghosts.

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/GhostSet.h"
#include "game/HeadlessGame.h"
#include "maze/GameState.h"

namespace {

using Overrides = std::vector<std::pair<std::string, int>>;

// The setting sets by number; 0 is the built-in defaults.
const Overrides SETTINGS[] = {
    {},
    {{"n_moves_blue_ghosts", 1000}, {"n_moves_ghost_appears", 50}, {"fps", 50}},
    {{"length_attack_mode", 300}, {"length_scatter_mode", 100}, {"n_moves_blue_ghosts", 150}},
    {{"fps", 50}, {"n_moves_blue_ghosts", 400}, {"powerpill_slowdown_factor", 3},
     {"red_ghost_slow_down_factor", 2}, {"green_ghost_slow_down_factor", 3},
     {"orange_ghost_slow_down_factor", 4}, {"turquoise_ghost_slow_down_factor", 5}},
};

struct PinnedGame {
  int settings;
  const char* ghosts;
  unsigned seed;
  const char* outcome;  // won, score, moves, dots, pills, fruits, ghosts eaten, caught by, food left
};

std::string outcomeOf(const GameOutcome& o) {
  std::ostringstream out;
  out << o.won << ' ' << o.score << ' ' << o.moves << ' ' << o.dots << ' ' << o.pills << ' ' << o.fruits << ' '
      << o.ghosts << ' ' << o.caughtBy << ' ' << o.foodLeft;
  return out.str();
}

const PinnedGame GAMES[] = {
    {0, "none", 1, "1 2030 4681 153 4 1 0 0 0"},
    {0, "red", 1, "1 2230 6341 153 4 3 0 0 0"},
    {0, "green", 2, "1 2030 5621 153 4 1 0 0 0"},
    {0, "orange", 1, "1 2030 6081 153 4 1 0 0 0"},
    {0, "turquoise", 2, "1 2030 5161 153 4 1 0 0 0"},
    {0, "all", 2, "0 1790 4262 129 4 1 0 1 24"},
    {0, "all", 3, "1 2330 6321 153 4 4 0 0 0"},
    {1, "red", 2, "1 3230 8501 153 4 13 0 0 0"},
    {1, "green", 1, "1 2130 5521 153 4 2 0 0 0"},
    {1, "orange", 2, "1 2280 5021 153 4 1 1 0 0"},
    {1, "turquoise", 1, "1 2380 5721 153 4 2 1 0 0"},
    {1, "all", 1, "0 1920 5437 152 4 0 0 1 1"},
    {1, "all", 2, "0 3020 7150 152 4 1 4 1 1"},
    {2, "red", 1, "1 2430 6021 153 4 5 0 0 0"},
    {2, "green", 2, "1 2430 6261 153 4 5 0 0 0"},
    {2, "orange", 1, "1 2030 5501 153 4 1 0 0 0"},
    {2, "turquoise", 1, "1 2830 6921 153 4 9 0 0 0"},
    {2, "all", 1, "0 1440 3350 114 3 0 0 2 40"},
    {2, "all", 2, "0 1870 5088 137 4 1 0 3 16"},
    {3, "red", 2, "1 2580 6681 153 4 4 1 0 0"},
    {3, "green", 1, "1 2180 5361 153 4 0 1 0 0"},
    {3, "orange", 1, "1 3530 8401 153 4 16 0 0 0"},
    {3, "turquoise", 1, "1 2380 5601 153 4 2 1 0 0"},
    {3, "all", 1, "1 2780 6921 153 4 1 3 0 0"},
    {3, "all", 3, "0 2610 6762 151 4 2 2 2 2"},
};

TEST(PinnedGamesTest, seededGamesEndExactlyAsPinned) {
  resetGameState();
  HeadlessGame game;
  for (const PinnedGame& p : GAMES) {
    GhostSet set;
    ASSERT_TRUE(GhostSet::parse(p.ghosts, set)) << p.ghosts;
    Overrides overrides = SETTINGS[p.settings];
    for (const auto& o : set.overrides()) overrides.push_back(o);
    ASSERT_TRUE(game.configure({{"", overrides}, 200000}));
    EXPECT_EQ(outcomeOf(game.play(p.seed)), p.outcome) << p.settings << ' ' << p.ghosts << ' ' << p.seed;
  }
  resetGameState();
}

// The built-in player at its default parameters against all four ghosts,
// seeds 1 to 200 under the built-in settings: the wins, the points and the
// moves of all 200 games, and a hash of every game's outcome line, as the
// player played them before its tunables became parameters.
TEST(PinnedGamesTest, twoHundredSeedsAgainstAllFourGhostsPlayAsPinned) {
  resetGameState();
  HeadlessGame game;
  ASSERT_TRUE(game.configure({{"", {}}, 200000}));
  int won = 0;
  long long score = 0, moves = 0;
  std::uint64_t hash = 14695981039346656037ULL;
  for (unsigned seed = 1; seed <= 200; ++seed) {
    const GameOutcome o = game.play(seed);
    won += o.won;
    score += o.score;
    moves += o.moves;
    for (char c : outcomeOf(o) + '\n') hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  }
  EXPECT_EQ(won, 65);
  EXPECT_EQ(score, 327940);
  EXPECT_EQ(moves, 938409);
  EXPECT_EQ(hash, 14828034845276254585ULL);
  resetGameState();
}

}  // namespace
