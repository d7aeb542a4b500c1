#pragma once
#include "actors/Ghost.h"

class TurquoiseGhost : public Ghost {
 public:
  TurquoiseGhost();
  ~TurquoiseGhost() override;
  bool attack(int* grid) override;
};
