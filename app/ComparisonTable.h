#pragma once
// chompsim --compare's output: per comparison and ghost set one line of
// whitespace-separated columns under a header of single words (for scripts:
// the chart reads it), then a blank line and each line's verdict in words.

#include <cstdio>
#include <string>
#include <vector>

#include "game/PairedComparison.h"

class ComparisonTable {
 public:
  // The figures of side B (`nameB`) against side A (`nameA`).
  void add(const std::string& nameA, const std::string& nameB, const std::vector<PairedFigures>& figures);
  void print(std::FILE* out) const;

 private:
  struct Line {
    std::string a, b;
    PairedFigures figures;
  };
  std::vector<Line> lines;
};
