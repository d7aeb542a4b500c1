#include "app/ComparisonTable.h"

#include <algorithm>

void ComparisonTable::add(const std::string& nameA, const std::string& nameB,
                          const std::vector<PairedFigures>& figures) {
  for (const PairedFigures& f : figures) lines.push_back({nameA, nameB, f});
}

void ComparisonTable::print(std::FILE* out) const {
  int width = 3;
  for (const Line& line : lines) width = std::max(width, static_cast<int>(line.figures.ghosts.name().size()));
  std::fprintf(out, "%-*s %6s %6s %6s %8s %8s %9s %6s %6s %9s %10s %9s %10s %10s %7s %s %s\n", width, "set", "pairs",
               "won_a", "won_b", "won_diff", "diff_low", "diff_high", "only_a", "only_b", "mcnemar_p", "score_diff",
               "sdiff_low", "sdiff_high", "wilcoxon_p", "verdict", "a", "b");
  for (const Line& line : lines) {
    const PairedFigures& f = line.figures;
    std::fprintf(out, "%-*s %6d %6.1f %6.1f %8.2f %8.2f %9.2f %6d %6d %9.3g %10.1f %9.1f %10.1f %10.3g %7s %s %s\n",
                 width, f.ghosts.name().c_str(), f.pairs, f.wonA, f.wonB, f.wonDiff, f.wonDiffLow, f.wonDiffHigh,
                 f.onlyA, f.onlyB, f.mcnemarP, f.scoreDiff, f.scoreDiffLow, f.scoreDiffHigh, f.wilcoxonP,
                 f.verdictWord(), line.a.c_str(), line.b.c_str());
  }
  std::fputc('\n', out);
  for (const Line& line : lines) std::fprintf(out, "%s\n", line.figures.verdictLine(line.a, line.b).c_str());
}
