#pragma once
// The statistics of a paired comparison of two players on the same games:
// exact and approximate tests and 95% intervals, with the distributions
// taken from Boost.Math.

#include <vector>

namespace paired {

// McNemar's exact test: the two-sided p of `onlyA` games won by A alone
// against `onlyB` won by B alone (binomial, one half, on the discordant
// games); 1 when there are none.
double mcnemarExactP(int onlyA, int onlyB);

// Newcombe's hybrid score interval (his method 10) of pB - pA for paired
// shares: `both` games won by both, `onlyA`, `onlyB`, and `neither`; as
// shares in -1..1. 0, 0 for no games.
void pairedShareInterval(int both, int onlyA, int onlyB, int neither, double& low, double& high);

// The mean of the differences and its 95% Student t interval; low and high
// are NaN for fewer than two differences.
void meanInterval(const std::vector<double>& differences, double& mean, double& low, double& high);

// The Wilcoxon signed-rank test of the differences (zeros dropped, ties
// given their mean rank): the two-sided p, exact for at most 50 differences
// without ties, else by the normal approximation with the ties' correction
// and a continuity correction. 1 when every difference is 0. `rankSum` gets
// the signed ranks' sum (positive: the differences lean above 0).
double wilcoxonSignedRankP(const std::vector<double>& differences, double* rankSum = nullptr);

}  // namespace paired
