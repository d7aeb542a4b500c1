#pragma once
// Variants of the built-in player to play side by side, from a text such as
// "localRadius=3,5,dangerCost=200": each parameter named with one value or
// more (a value after a comma belongs to the parameter named before it), and
// every combination of them is a variant, the first parameter's values
// changing slowest. "default" is the default player.

#include <string>
#include <vector>

#include "player/PlayerParameters.h"

class PlayerSweep {
 public:
  // Appends the text's variants to `variants`, skipping those already there;
  // false, saying why in `error`, with `variants` unchanged, for a text that
  // is not such a list (an unknown parameter, a value out of its range, a
  // parameter named twice).
  static bool expand(const std::string& text, std::vector<PlayerParameters>& variants, std::string* error);
};
