#pragma once
// The batch runner's table of games: one comma-separated row per game under
// a fixed header line. Other tools compare against these rows byte for byte,
// so the format does not change:
//   seed,red,green,orange,turquoise,won,unended,score,moves,dots,pills,fruits,
//   ghosts_eaten,caught_by,food_left
// The four ghost flags are 1 or 0; caught_by is red, green, orange,
// turquoise, or empty when no ghost caught the chomper.

#include <string>

#include "game/GameOutcome.h"
#include "game/GhostSet.h"

// One game of a ghost set, as a row holds it.
struct OutcomeRow {
  GhostSet ghosts;
  GameOutcome outcome;
};

class OutcomeCsv {
 public:
  // The header line, without its line break.
  static const char* header();
  // The row of a game, without its line break.
  static std::string format(const OutcomeRow& row);
  // Reads a row (without its line break); false, with `row` unspecified,
  // unless the text is exactly a row as format writes it.
  static bool parse(const std::string& text, OutcomeRow& row);
};
