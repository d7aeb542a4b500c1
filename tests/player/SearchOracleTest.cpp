// The player's fast search against the reference search, on positions of
// seeded games with all four ghosts: the same success, path and score in
// every search, and the same moves in whole games.

#include <cstring>

#include "OracleChomper.h"
#include "PlayerFixture.h"
#include "game/GameEngine.h"

namespace {

// The oracle playing, with every search of a decision, and a search to every
// remaining piece of food, made by both searches and compared.
class CheckingChomper : public OracleChomper {
 public:
  bool findPath(int col, int row, Searcher searcher, int cut, double& score) override {
    if (searcher == SEARCH_CHOMPER && !foodChecked) {
      foodChecked = true;
      for (const MazeNode* n : getNodes()) {
        double ignored = 0.0;
        if (!n->eaten && (n->code == CELL_DOT || n->code == CELL_POWERPILL)) {
          compare(n->cell.getCol(), n->cell.getRow(), searcher, 0, ignored);
        }
      }
    }
    return compare(col, row, searcher, cut, score);
  }
  void decide() override {
    foodChecked = false;
    ++decisions;
    blueDecisions += anyGhostBlue() ? 1 : 0;
    attackDecisions += attackMode ? 1 : 0;
    OracleChomper::decide();
    foodPhaseDecisions += usedFoodPhase() ? 1 : 0;
  }
  int decisions = 0, blueDecisions = 0, attackDecisions = 0, foodPhaseDecisions = 0;

 private:
  bool compare(int col, int row, Searcher searcher, int cut, double& score) {
    double fastScore = score;
    const bool fast = MyChomper::findPath(col, row, searcher, cut, fastScore);
    const std::vector<MazeNode*> fastPath = resultList(searcher);
    const bool oracle = OracleChomper::findPath(col, row, searcher, cut, score);
    EXPECT_EQ(fast, oracle) << "target (" << col << ", " << row << ") searcher " << searcher;
    EXPECT_EQ(fastPath, resultList(searcher)) << "target (" << col << ", " << row << ")";
    EXPECT_EQ(std::memcmp(&fastScore, &score, sizeof score), 0) << fastScore << " vs " << score;
    return oracle;
  }
  bool foodChecked = false;
};

// One seeded game with default settings and all four ghosts, as the batch
// runner plays it: the player's clock advances by one frame period per move.
// Returns every move as the chomper's position and direction, and the score.
std::vector<int> playSeeded(MyChomper& player, unsigned seed) {
  std::uint32_t clockMs = 0;
  player.setClock([&clockMs] { return clockMs; });
  setChomper(&player);
  std::vector<int> moves;
  {
    GameEngine engine;
    std::srand(seed);
    engine.setConfigDefaults();
    engine.applyConfigValue("control", 1);
    for (const char* key : {"red_ghost", "green_ghost", "orange_ghost", "turquoise_ghost"}) {
      engine.applyConfigValue(key, 1);
    }
    engine.createGhosts();
    engine.resetGame();
    engine.startScreen = false;
    for (int move = 0; move < 20000 && !gameWon && !engine.gameLost; ++move) {
      engine.gameTick();
      clockMs += static_cast<std::uint32_t>(engine.framePeriodMs);
      moves.insert(moves.end(), {player.getX(), player.getY(), player.getDirection()});
    }
    moves.push_back(player.getScore());
  }
  setChomper(nullptr);
  resetGameState();
  return moves;
}

}  // namespace

TEST(SearchOracle, everySearchOfAWonGameMatchesTheReference) {
  CheckingChomper player;
  playSeeded(player, 1);  // a won game: blue periods, both ghost modes, the food phase
  EXPECT_TRUE(gameWon || player.getScore() > 0);
  EXPECT_GT(player.blueDecisions, 0);
  EXPECT_GT(player.attackDecisions, 0);
  EXPECT_LT(player.attackDecisions, player.decisions);
  EXPECT_GT(player.foodPhaseDecisions, 0);
}

TEST(SearchOracle, wholeSeededGamesMoveAlikeWithEitherSearch) {
  for (unsigned seed : {2u, 3u, 4u}) {
    MyChomper fast;
    OracleChomper oracle;
    EXPECT_EQ(playSeeded(fast, seed), playSeeded(oracle, seed)) << "seed " << seed;
  }
}
