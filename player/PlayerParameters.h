#pragma once
// The built-in player's tunables in one record. The defaults are the
// player's own values, so a default record plays exactly the games the
// player always played. A variant of the player is written as text: the
// parameters that differ from the default as "name=value", joined by ",", in
// the order of the record ("" for the default player), e.g.
// "localRadius=6,dangerCost=200".

#include <string>
#include <vector>

struct PlayerParameters {
  int ghostPathLength = 5;  // cells of a ghost's predicted path the player weighs (before the distance cut)
  int localRadius = 4;      // half-width of the window of cells whose routes are scored
  int blueDurationMs = 4000;  // the chase of blue ghosts fades by 100 over this many ms
  int dotReward = 10;       // worth of a dot to a route
  int pillReward = 25;      // worth of a power pill
  int fruitReward = 20;     // worth of the shown fruit
  int hazardReward = -50;   // worth of the door and of a cell under a hunting ghost
  int dangerBonus = -120;   // bonus on a hunting ghost's own cell ...
  int dangerBonusStep = 20; // ... rising by this much per cell along its path
  int dangerCost = 150;     // search cost of leaving a hunting ghost's cell ...
  int dangerCostStep = 20;  // ... falling by this much per cell along its path
  int chaseFactor = 50;     // percent of the chase level given to a blue ghost's cell ...
  int chaseFactorStep = 10; // ... falling by this many points per cell along its path
  int chaseStart = 120;     // chase level when the blue period is first seen
  int chaseFloor = 10;      // below this chase level blue ghosts are feared again

  // One parameter: its name, where it lives and the values it may take.
  struct Field {
    const char* name;
    int PlayerParameters::*value;
    int low;
    int high;
  };
  // Every parameter, in the record's order.
  static const std::vector<Field>& fields();
  // The parameter of this name, or null.
  static const Field* field(const std::string& name);

  // Sets a parameter from the text of a whole number; false, saying why in
  // `error` (when not null), for an unknown name, a value that is not a whole
  // number, or one outside the parameter's range. Nothing changes then.
  bool set(const std::string& name, const std::string& value, std::string* error);
  // The variant's text: the non-default parameters as "name=value" joined by
  // ",", in the record's order; "" for the default player.
  std::string text() const;
  // The variant's name as tables show it: its text, or "default".
  std::string name() const;
  // Reads a text as `text` writes it (the pairs in any order, joined by ","
  // or ";"; "" or "default" for the default player) into `parameters`,
  // starting from the defaults. False, saying why, with `parameters`
  // unchanged, for anything else.
  static bool parse(const std::string& text, PlayerParameters& parameters, std::string* error);

  bool operator==(const PlayerParameters& o) const;
  bool operator!=(const PlayerParameters& o) const { return !(*this == o); }
};
