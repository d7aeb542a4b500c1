// The move decision: bring the model up to date, predict and weight the
// ghosts' paths, plan a route, report to the analysis window and turn toward
// the route's first cell.

#include <algorithm>

#include "player/GameQueries.h"
#include "player/MyChomper.h"
#include "player/Window.h"

void MyChomper::decide() {
  buildGraph();
  startNewGameIfNeeded();
  model.clearGhostWeights();
  const bool blue = anyGhostBlue();
  watchBluePeriod(blue);
  const CellPos chomperCell = cellPosition();
  predictGhosts(chomperCell, blue);
  havePlan = planRoute(chomperCell, parameters.localRadius);
  reportToWindow(chomperCell, blue);
  // A fruit that has just appeared counts from the next plan on.
  if (isFruitShown()) {
    const CellPos fruit = fruitCell();
    window->setFruitCell(fruit.getCol(), fruit.getRow());
    model.noteFruit();
  }
  model.noteFoodUnderChomper(chomperCell);
  // Redraw now; outside the framework's handlers the window's context is current.
  window->OnDisplay();
  takeStep(chomperCell);
}

void MyChomper::startNewGameIfNeeded() {
  // A score of 0 marks a new game; reset once, then wait for the score to move.
  if (getScore() == 0 && !newGameSeen) {
    resetForNewGame();
    newGameSeen = true;
  } else if (getScore() != 0 && newGameSeen) {
    newGameSeen = false;
  }
}

void MyChomper::watchBluePeriod(bool blue) {
  forecast.watchBlue(blue, clock);
}

void MyChomper::predictGhosts(const CellPos& chomperCell, bool blue) {
  // Each ghost's search already pays the costs written for the ghosts before it.
  const struct {
    bool present;
    Searcher searcher;
  } ghosts[] = {{redGhostExists(), SEARCH_RED},
                {greenGhostExists(), SEARCH_GREEN},
                {orangeGhostExists(), SEARCH_ORANGE},
                {turquoiseGhostExists(), SEARCH_TURQUOISE}};
  // No cell has a cost until a kept path puts them on (clearGhostWeights has
  // just run), so the searches before that can be looked up.
  bool costsClear = true;
  for (const auto& ghost : ghosts) {
    if (!ghost.present) continue;
    const int col = chomperCell.getCol();
    const int row = chomperCell.getRow();
    if (standIn == nullptr) {
      findOwnGhostPath(col, row, ghost.searcher, parameters.ghostPathLength, costsClear);
    } else {
      double unused = 0.0;
      findPath(col, row, ghost.searcher, parameters.ghostPathLength, unused);
    }
    applyGhostWeights(ghost.searcher, blue);
    costsClear = costsClear && slots[ghost.searcher].result.empty();
  }
}

void MyChomper::reportToWindow(const CellPos& chomperCell, bool blue) {
  window->clearOverlay();
  const bool present[] = {redGhostExists(), greenGhostExists(), orangeGhostExists(),
                          turquoiseGhostExists()};
  for (int ghost = SEARCH_RED; ghost <= SEARCH_TURQUOISE; ++ghost) {
    if (!present[ghost - 1]) continue;
    for (const MazeNode* node : slots[ghost].result) window->markGhostPath(node->cell, ghost);
  }
  for (const MazeNode* node : plan) window->markPlanCell(node->cell);
  window->setChomperCell(chomperCell.getCol(), chomperCell.getRow());
  const CellPos red = redGhostCell();
  const CellPos orange = orangeGhostCell();
  const CellPos green = greenGhostCell();
  const CellPos turquoise = turquoiseGhostCell();
  window->setRedGhostCell(red.getCol(), red.getRow(), blue);
  window->setOrangeGhostCell(orange.getCol(), orange.getRow(), blue);
  window->setGreenGhostCell(green.getCol(), green.getRow(), blue);
  window->setTurquoiseGhostCell(turquoise.getCol(), turquoise.getRow(), blue);
}

void MyChomper::takeStep(const CellPos& chomperCell) {
  if (!havePlan || plan.empty()) {
    havePlan = false;
    return;  // keep going the way we were
  }
  const MazeNode* next = plan.front();
  plan.erase(plan.begin());
  setDirection(directionFrom(chomperCell, next->cell));
}

int MyChomper::directionFrom(CellPos current, CellPos next) {
  if (current.getCol() < next.getCol()) return DIR_RIGHT;
  if (current.getCol() > next.getCol()) return DIR_LEFT;
  if (current.getRow() < next.getRow()) return DIR_UP;
  if (current.getRow() > next.getRow()) return DIR_DOWN;
  return DIR_NONE;
}

LocalWindow MyChomper::localWindow(CellPos chomperCell, int radius) const {
  // Limits are exclusive: radius cells left of and below the chomper, one
  // fewer to its right and above it.
  LocalWindow area;
  area.firstCol = std::max(0, chomperCell.getCol() - radius);
  area.colLimit = std::min(model.columnCount(), chomperCell.getCol() + radius);
  area.firstRow = std::max(0, chomperCell.getRow() - radius);
  area.rowLimit = std::min(model.rowCount(), chomperCell.getRow() + radius);
  return area;
}

bool MyChomper::planRoute(CellPos chomperCell, int radius) {
  beginRoutes();
  foodPhaseUsed = !planLocal(localWindow(chomperCell, radius));
  if (foodPhaseUsed) planFood();
  endRoutes();
  return true;
}

bool MyChomper::planLocal(const LocalWindow& area) {
  // Every cell is a candidate; only a strictly better positive score replaces
  // the plan, so ties go to the first in column-then-row order.
  double best = 0.0;
  bool found = false;
  for (int col = area.firstCol; col < area.colLimit; ++col) {
    for (int row = area.firstRow; row < area.rowLimit; ++row) {
      double score = 0.0;
      if (tryRoute(col, row, score) && score > best) {
        takeRoute();
        best = score;
        found = true;
      }
    }
  }
  return found;
}

void MyChomper::planFood() {
  // The first reachable food in node order is taken whatever its score;
  // afterwards only strictly better routes.
  double best = 0.0;
  bool first = true;
  for (const MazeNode* node : model.nodes()) {
    if (node->eaten || (node->code != CELL_DOT && node->code != CELL_POWERPILL)) continue;
    double score = 0.0;
    if (tryRoute(node->cell.getCol(), node->cell.getRow(), score) && (first || score > best)) {
      takeRoute();
      best = score;
      first = false;
    }
  }
}
