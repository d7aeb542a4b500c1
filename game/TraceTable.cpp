#include "game/TraceTable.h"

#include "actors/Player.h"

namespace {

const char* directionName(int direction) {
  switch (direction) {
    case DIR_LEFT: return "left";
    case DIR_UP: return "up";
    case DIR_RIGHT: return "right";
    case DIR_DOWN: return "down";
    default: return "none";
  }
}

}  // namespace

std::string TraceTable::header() {
  std::string line = "move,col,row,direction,score,food_left";
  for (const char* ghost : PLAY_ORDER_NAMES) {
    for (const char* field : {"_col", "_row", "_direction", "_blue"}) line += std::string(",") + ghost + field;
  }
  return line + ",phase";
}

std::string TraceTable::row(const DecisionPoint& p) {
  std::string line = std::to_string(p.move) + ',' + std::to_string(p.col) + ',' + std::to_string(p.row) + ',' +
                     directionName(p.direction) + ',' + std::to_string(p.score) + ',' + std::to_string(p.foodLeft);
  for (const GhostAtDecision& g : p.ghosts) {
    if (!g.present) {
      line += ",,,,";
      continue;
    }
    line += ',' + std::to_string(g.col) + ',' + std::to_string(g.row) + ',' + directionName(g.direction) + ',' +
            (g.blue ? '1' : '0');
  }
  return line + (p.attack ? ",attack" : ",scatter");
}
