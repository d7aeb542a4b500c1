#pragma once
// Builds a ghost of any colour by its kind (1 red, 2 green, 3 orange, 4 turquoise).

#include <memory>

#include "actors/GreenGhost.h"
#include "actors/OrangeGhost.h"
#include "actors/RedGhost.h"
#include "actors/TurquoiseGhost.h"

inline std::unique_ptr<Ghost> makeGhost(int kind) {
  switch (kind) {
    case 1: return std::make_unique<RedGhost>();
    case 2: return std::make_unique<GreenGhost>();
    case 3: return std::make_unique<OrangeGhost>();
    default: return std::make_unique<TurquoiseGhost>();
  }
}

inline const char* ghostName(int kind) {
  static const char* names[] = {"", "red", "green", "orange", "turquoise"};
  return kind >= 1 && kind <= 4 ? names[kind] : "?";
}
