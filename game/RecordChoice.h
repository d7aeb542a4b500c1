#pragma once
// Which games of a batch keep their record: "all", "lost", "unended", or a
// comma list of seeds such as "3,17,42".

#include <string>
#include <vector>

#include "game/GameOutcome.h"

struct RecordChoice {
  enum Kind { NONE, ALL, LOST, UNENDED, SEEDS };
  Kind kind = NONE;
  std::vector<unsigned> seeds;  // for SEEDS

  // False, with the choice unchanged, for any other text.
  static bool parse(const std::string& text, RecordChoice& choice);
  // Whether the game of this seed may be kept: its decisions must be noted.
  bool mayKeep(unsigned seed) const;
  // Whether the game, now over, is kept.
  bool keeps(const GameOutcome& outcome) const;
};
