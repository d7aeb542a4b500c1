#pragma once
#include "actors/Ghost.h"

class OrangeGhost : public Ghost {
 public:
  OrangeGhost();
  ~OrangeGhost() override;
  bool attack(int* grid) override;
};
