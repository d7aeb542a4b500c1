#pragma once
// The autonomous player: a chomper that chooses its own direction at every
// cell centre. Its parts: the model of the maze's walkable cells (MazeModel),
// the A* search that predicts each ghost's path toward it (PathSearch.cpp,
// PathFinder), the weights those predictions put on the cells (GhostForecast),
// the planning of the best-scoring route to nearby cells or to remaining food
// (MoveDecision.cpp) and the analysis window showing all of it. decide is the
// script that calls them in turn.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "actors/CellPos.h"
#include "actors/Chomper.h"
#include "maze/GameState.h"
#include "player/ChomperRoutes.h"
#include "player/ClearPaths.h"
#include "player/GhostForecast.h"
#include "player/MazeModel.h"
#include "player/MazeNode.h"
#include "player/PathFinder.h"
#include "player/PlayerParameters.h"
#include "player/SearchStandIn.h"

class Window;

// The cells of the local search window: first column/row inclusive, limits
// exclusive.
struct LocalWindow {
  int firstCol;
  int colLimit;
  int firstRow;
  int rowLimit;
};

class MyChomper : public Chomper {
 public:
  // Milliseconds of a monotonic clock; replaceable so tests control time.
  using MsClock = GhostForecast::MsClock;

  MyChomper();
  ~MyChomper() override;
  MyChomper(const MyChomper&) = delete;
  MyChomper& operator=(const MyChomper&) = delete;

  // Chooses the direction for the next cell (see MoveDecision.cpp).
  void decide() override;

  // Model (PlayerModel.cpp, MazeModel).
  void buildGraph();
  void resetForNewGame();
  // Forgets everything an earlier game left in the player's memory: the model
  // goes back to the maze, the blue-period watch, the plan and the searches
  // are cleared. A seeded game starts with it. Ghost predictions kept from
  // searches without costs stay: they are the same in every game.
  void startGame();
  // At a cell centre where someone else chooses the direction: brings the
  // model up to date as decide does (new game, blue-period watch, fruit, food
  // under the chomper) without searching or reporting to the window, and
  // drops the plan, which the chomper may not follow.
  void keepUp();
  // Forgets the plan (the chomper left the route it described).
  void dropPlan();
  void rewardFor(MazeNode& node, int code) const { model.rewardFor(node, code); }

  // The player's tunables (the defaults unless set). Rewards take effect at
  // the next new-game reset, the rest at the next decision.
  void setParameters(const PlayerParameters& p);
  const PlayerParameters& getParameters() const { return parameters; }

  // Search (PathSearch.cpp). A* from the searcher's cell to the target cell
  // in the searcher's slot. Adds the route's score to `score`; a non-zero
  // cut shortens the result by the path's length. False when the target is
  // not walkable (nothing cleared then), unreachable or the start itself, or
  // when the start or the target has no node. Made by the stand-in when one
  // is set, else by findOwnPath.
  bool findPath(int targetCol, int targetRow, Searcher searcher, int cut, double& score) {
    return standIn != nullptr ? standIn->findPath(*this, targetCol, targetRow, searcher, cut, score)
                              : findOwnPath(targetCol, targetRow, searcher, cut, score);
  }
  // The player's own search, whatever stands in.
  bool findOwnPath(int targetCol, int targetRow, Searcher searcher, int cut, double& score);
  // Every later search is made by `search` (not owned); null: the player's own.
  void setSearchStandIn(SearchStandIn* search) { standIn = search; }
  // How many cells of a found path of `pathLength` cells a cut keeps.
  static int keptLength(int pathLength, int cut);
  // Forgets the ghost predictions kept from earlier decisions: the next
  // ones are searched again, with the same outcome.
  void forgetKeptPredictions() {
    clearPaths.reset(static_cast<int>(model.nodes().size()), parameters.ghostPathLength);
  }
  // Writes bonus and cost on a ghost's kept path (ghost 1..4), as GhostForecast weighs it.
  void applyGhostWeights(int ghost, bool blue);

  // Decision (MoveDecision.cpp). Fills `plan`; always true.
  bool planRoute(CellPos chomperCell, int radius);
  LocalWindow localWindow(CellPos chomperCell, int radius) const;
  // 4 right, 1 left, 2 up, 8 down, 0 for the same cell; columns first.
  static int directionFrom(CellPos current, CellPos next);

  // Read access for the analysis, tests and benchmarks.
  const std::vector<MazeNode*>& getNodes() const { return model.nodes(); }
  MazeNode* nodeAtCell(int col, int row) const { return model.nodeAtCell(col, row); }
  const std::vector<MazeNode*>& getPlan() const { return plan; }
  const std::vector<MazeNode*>& resultList(Searcher searcher) const {
    return slots[searcher].result;
  }
  Window* getWindow() const { return window.get(); }
  bool isGraphBuilt() const { return model.isBuilt(); }
  bool hasPlan() const { return havePlan; }
  // The last route planning found nothing worthwhile nearby and looked at
  // the remaining food instead.
  bool usedFoodPhase() const { return foodPhaseUsed; }
  bool isNewGameSeen() const { return newGameSeen; }
  bool isBlueSeen() const { return forecast.isBlueSeen(); }
  std::uint32_t getBlueStartMs() const { return forecast.blueStart(); }
  int getGhostPathLength() const { return parameters.ghostPathLength; }
  int getLocalRadius() const { return parameters.localRadius; }

  void setClock(MsClock c) { clock = std::move(c); }
  // Lets tests and benchmarks restore a game position's score.
  void setScore(int s) { score = s; }

  // For a search standing in for findPath: where a searcher starts, its
  // slot's result list, and the cut of a found path.
  CellPos startCellOf(Searcher searcher) const;
  std::vector<MazeNode*>& resultSlot(Searcher searcher) { return slots[searcher].result; }
  static void cutPath(std::vector<MazeNode*>& result, int cut);

 private:
  struct SearchSlot {
    std::vector<MazeNode*> result;
  };

  // PathSearch.cpp
  // The nodes a search from the searcher's cell to the target cell runs
  // between; false, with nothing touched, where findPath fails at once.
  bool searchEnds(int targetCol, int targetRow, Searcher searcher, const MazeNode*& startNode,
                  const MazeNode*& targetNode) const;
  // findOwnPath's search between the two nodes, leaving the path, cut, in
  // the searcher's slot (or the slot empty when it fails), unscored.
  bool searchBetween(const MazeNode& startNode, const MazeNode& targetNode, Searcher searcher, int cut);
  // findOwnPath for a ghost, the score left out. While no cell has a cost
  // (`costsClear`), looked up where the same search has been made before.
  bool findOwnGhostPath(int targetCol, int targetRow, Searcher searcher, int cut, bool costsClear);

  // MoveDecision.cpp
  void startNewGameIfNeeded();
  void watchBluePeriod(bool blue);
  void predictGhosts(const CellPos& chomperCell, bool blue);
  void reportToWindow(const CellPos& chomperCell, bool blue);
  void takeStep(const CellPos& chomperCell);
  bool planLocal(const LocalWindow& area);
  void planFood();

  // PathSearch.cpp: the planning's chomper routes (ChomperRoutes). tryRoute
  // is findPath for the chomper, with cut 0; takeRoute copies the route it
  // has just found into the plan; endRoutes leaves the chomper's slot as
  // findPath would.
  void beginRoutes();
  bool tryRoute(int targetCol, int targetRow, double& score);
  void takeRoute();
  void endRoutes();

  std::unique_ptr<Window> window;
  MazeModel model;
  GhostForecast forecast;
  std::vector<MazeNode*> plan;             // next step first
  SearchSlot slots[SEARCH_SLOTS];          // chomper, red, green, orange, turquoise
  PlayerParameters parameters;
  bool havePlan;
  bool newGameSeen;
  bool foodPhaseUsed = false;

  PathFinder finder;                       // the search, laid out once the graph exists
  ChomperRoutes routes;                    // the planning's routes
  ClearPaths clearPaths;                   // ghost predictions made with no costs
  MsClock clock;
  SearchStandIn* standIn = nullptr;
};
