#pragma once
// The chomper's routes of one route planning, all from its cell: each is
// known without a search (PlainRoutes) or found by the A* search, scored
// (RouteScore) and left where it was found until the planning takes it.

#include <cstddef>
#include <vector>

#include "actors/CellPos.h"
#include "player/MazeNode.h"
#include "player/PathFinder.h"
#include "player/PlainRoutes.h"
#include "player/RouteScore.h"

class ChomperRoutes {
 public:
  // The routes known without a search, once the graph exists.
  void build(const std::vector<MazeNode*>& nodes) { plainRoutes.build(nodes); }

  // A new planning from `start` (null: no route can be found), the node at `startCell`.
  void begin(CellPos startCell, const MazeNode* start, std::size_t nodeCount) {
    routeStart = start;
    routeScore.begin(startCell, nodeCount);
    plainRoutes.begin(start);
    slotFollowsRoute = false;
  }
  // The route to `target` (a walkable cell's node): false when there is none;
  // else its score is added to `score`.
  bool tryRoute(const MazeNode& target, PathFinder& finder, double& score);
  // The route just found, next step first.
  void take(std::vector<MazeNode*>& plan) const { plan.assign(route.first, route.last); }
  // Leaves the chomper's search slot as a search for the last route tried
  // would have: with that route, or empty when there was none; untouched
  // when no route was tried.
  void end(std::vector<MazeNode*>& slot) {
    if (!slotFollowsRoute) return;
    if (routeFound) {
      slot.assign(route.first, route.last);
    } else {
      slot.clear();
    }
    slotFollowsRoute = false;
  }

 private:
  // The planning under way: its start, the last route found (where it was
  // found: in the finder or among the routes known without a search),
  // whether the last search found it, and whether the chomper's slot still
  // has to take that search's outcome.
  const MazeNode* routeStart = nullptr;
  PathFinder::Route route{nullptr, nullptr};
  bool routeFound = false;
  bool slotFollowsRoute = false;
  RouteScore routeScore;
  PlainRoutes plainRoutes;
};
