// The player's memory from game to game: the model built, reset for a new
// game, kept up to date when someone else steers, and the plan dropped.

#include "player/GameQueries.h"
#include "player/MyChomper.h"
#include "player/Window.h"

void MyChomper::buildGraph() {
  if (model.isBuilt()) return;
  model.build();
  finder.build(model.nodes(), model.store());
  routes.build(model.nodes());
  forgetKeptPredictions();
}

void MyChomper::resetForNewGame() {
  model.resetToMaze();
  window->resetMaze();
}

void MyChomper::startGame() {
  resetForNewGame();
  // The first decision resets the model again, as in any game.
  newGameSeen = false;
  forecast.restart();
  havePlan = false;
  foodPhaseUsed = false;
  plan.clear();
  for (SearchSlot& slot : slots) slot.result.clear();
}

void MyChomper::keepUp() {
  buildGraph();
  startNewGameIfNeeded();
  model.clearGhostWeights();
  watchBluePeriod(anyGhostBlue());
  if (isFruitShown()) model.noteFruit();
  model.noteFoodUnderChomper(cellPosition());
  dropPlan();
}

void MyChomper::dropPlan() {
  plan.clear();
  havePlan = false;
}
