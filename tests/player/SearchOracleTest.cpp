// The player's fast search against the reference search, on positions of
// a seeded game with all four ghosts: the same success, path and score in
// every search.

#include <cstring>

#include "OracleSearch.h"
#include "PlayerFixture.h"
#include "game/HeadlessGame.h"

namespace {

// The reference search making every search of a decision, with the player's
// own search made alongside and compared; the first chomper search of a
// decision also compares a search to every remaining piece of food, and the
// routes known without a search to those of the reference, for every node.
class CheckingSearch : public OracleSearch {
 public:
  bool findPath(MyChomper& player, int col, int row, Searcher searcher, int cut,
                double& score) override {
    if (searcher == SEARCH_CHOMPER && !foodChecked) {
      foodChecked = true;
      for (const MazeNode* n : player.getNodes()) {
        double ignored = 0.0;
        if (!n->eaten && (n->code == CELL_DOT || n->code == CELL_POWERPILL)) {
          compare(player, n->cell.getCol(), n->cell.getRow(), searcher, 0, ignored);
        }
      }
      comparePlainRoutes(player);
    }
    return compare(player, col, row, searcher, cut, score);
  }
  bool foodChecked = false;
  int plainRoutesKnown = 0;

 private:
  void comparePlainRoutes(MyChomper& player) {
    plain.build(player.getNodes());
    const CellPos start = player.startCellOf(SEARCH_CHOMPER);
    plain.begin(player.nodeAtCell(start.getCol(), start.getRow()));
    for (const MazeNode* n : player.getNodes()) {
      MazeNode* const* first = nullptr;
      MazeNode* const* last = nullptr;
      if (!isWalkableCell(n->cell.getCol(), n->cell.getRow()) || !plain.known(n, first, last)) continue;
      ++plainRoutesKnown;
      double ignored = 0.0;
      EXPECT_TRUE(OracleSearch::findPath(player, n->cell.getCol(), n->cell.getRow(), SEARCH_CHOMPER, 0, ignored));
      EXPECT_EQ(std::vector<MazeNode*>(first, last), player.resultList(SEARCH_CHOMPER))
          << "target (" << n->cell.getCol() << ", " << n->cell.getRow() << ")";
    }
  }
  PlainRoutes plain;

  bool compare(MyChomper& player, int col, int row, Searcher searcher, int cut, double& score) {
    double fastScore = score;
    const bool fast = player.findOwnPath(col, row, searcher, cut, fastScore);
    const std::vector<MazeNode*> fastPath = player.resultList(searcher);
    const bool oracle = OracleSearch::findPath(player, col, row, searcher, cut, score);
    EXPECT_EQ(fast, oracle) << "target (" << col << ", " << row << ") searcher " << searcher;
    EXPECT_EQ(fastPath, player.resultList(searcher)) << "target (" << col << ", " << row << ")";
    EXPECT_EQ(std::memcmp(&fastScore, &score, sizeof score), 0) << fastScore << " vs " << score;
    return oracle;
  }
};

// Headless games with default settings and all four ghosts, as the batch runner plays them.
struct SeededGames {
  SeededGames() {
    game.configure({"", {{"red_ghost", 1}, {"green_ghost", 1}, {"orange_ghost", 1},
                         {"turquoise_ghost", 1}}, 20000});
  }
  ~SeededGames() { game.player().setSearchStandIn(nullptr); }

  HeadlessGame game;
};

}  // namespace

TEST(SearchOracle, everySearchOfAWonGameMatchesTheReference) {
  SeededGames games;
  CheckingSearch search;
  games.game.player().setSearchStandIn(&search);
  int decisions = 0, blue = 0, attack = 0, foodPhase = 0;
  // A won game: blue periods, both ghost modes, the food phase.
  for (games.game.reset(1); games.game.toDecision(); games.game.step()) {
    search.foodChecked = false;
    ++decisions;
    blue += anyGhostBlue() ? 1 : 0;
    attack += attackMode ? 1 : 0;
    games.game.builtinDirection();
    foodPhase += games.game.player().usedFoodPhase() ? 1 : 0;
  }
  EXPECT_TRUE(games.game.outcome().won || games.game.outcome().score > 0);
  EXPECT_GT(blue, 0);
  EXPECT_GT(attack, 0);
  EXPECT_LT(attack, decisions);
  EXPECT_GT(foodPhase, 0);
  EXPECT_GT(search.plainRoutesKnown, decisions);
}
