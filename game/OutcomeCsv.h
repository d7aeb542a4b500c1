#pragma once
// The batch runner's table of games: one comma-separated row per game under
// a fixed header line. Other tools compare against these rows byte for byte,
// so columns are only ever added at the end:
//   seed,red,green,orange,turquoise,won,unended,score,moves,dots,pills,fruits,
//   ghosts_eaten,caught_by,food_left,settings,player,caught_col,caught_row
// The four ghost flags are 1 or 0; caught_by is red, green, orange,
// turquoise, or empty when no ghost caught the chomper; settings is the
// rules digest of the settings the game was played under
// (SettingsReader::rulesDigest); player is the built-in player's variant
// (PlayerParameters::name, with ";" between its pairs so that no field holds
// a comma); caught_col and caught_row are the chomper's cell (column, row
// from the bottom) where it was caught, empty when it was not. Tables
// written before the settings column are read with an empty one, tables
// written before the player column with the default player and no cell.

#include <string>

#include "game/GameOutcome.h"
#include "game/GhostSet.h"
#include "player/PlayerParameters.h"

// One game of a ghost set, as a row holds it.
struct OutcomeRow {
  GhostSet ghosts;
  GameOutcome outcome;
  std::string settings;  // the rules digest; "" in a table without the column
  PlayerParameters player{};
};

class OutcomeCsv {
 public:
  // The header line, without its line break.
  static const char* header();
  // Whether a line is the header of a table this reader reads: the current
  // one or that of a table from before the last columns were added.
  static bool isHeader(const std::string& line);
  // The row of a game, without its line break.
  static std::string format(const OutcomeRow& row);
  // Reads a row (without its line break); false, with `row` unspecified,
  // unless the text is exactly a row as format writes it.
  static bool parse(const std::string& text, OutcomeRow& row);
};
