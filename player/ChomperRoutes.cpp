#include "player/ChomperRoutes.h"

bool ChomperRoutes::tryRoute(const MazeNode& target, PathFinder& finder, double& score) {
  if (routeStart == nullptr) return false;
  slotFollowsRoute = true;
  if (plainRoutes.known(&target, route.first, route.last)) {
    routeFound = true;
  } else {
    routeFound = finder.reach(routeStart->index, target.index);
    if (!routeFound) return false;
    route = finder.route(target.index, false);
  }
  routeScore.add(route.first, route.last, score);
  return true;
}
