#pragma once
#include "actors/Ghost.h"

class RedGhost : public Ghost {
 public:
  RedGhost();
  ~RedGhost() override;
  bool attack(int* grid) override;
};
