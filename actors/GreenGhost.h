#pragma once
#include "actors/Ghost.h"

class GreenGhost : public Ghost {
 public:
  GreenGhost();
  ~GreenGhost() override;
  bool attack(int* grid) override;
};
