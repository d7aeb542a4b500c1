#include "game/GameOutcome.h"

bool GameOutcome::operator==(const GameOutcome& o) const {
  return seed == o.seed && won == o.won && lost == o.lost && unended == o.unended &&
         score == o.score && moves == o.moves && dots == o.dots && pills == o.pills &&
         fruits == o.fruits && ghosts == o.ghosts && caughtBy == o.caughtBy && foodLeft == o.foodLeft;
}
