#include "game/PairedTests.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "game/OutcomeSummary.h"

namespace paired {

double mcnemarExactP(int onlyA, int onlyB) {
  const int discordant = onlyA + onlyB;
  if (discordant == 0) return 1.0;
  const boost::math::binomial_distribution<double> split(discordant, 0.5);
  return std::min(1.0, 2.0 * boost::math::cdf(split, std::min(onlyA, onlyB)));
}

void pairedShareInterval(int both, int onlyA, int onlyB, int neither, double& low, double& high) {
  low = high = 0;
  const int n = both + onlyA + onlyB + neither;
  if (n == 0) return;
  const double pA = static_cast<double>(both + onlyA) / n;
  const double pB = static_cast<double>(both + onlyB) / n;
  double lA, uA, lB, uB;
  wilsonInterval(both + onlyA, n, lA, uA);
  wilsonInterval(both + onlyB, n, lB, uB);
  // The correlation of the two players' results over the games.
  const double a = both, b = onlyB, c = onlyA, d = neither;
  const double margins = (a + b) * (c + d) * (a + c) * (b + d);
  const double phi = margins > 0 ? (a * d - b * c) / std::sqrt(margins) : 0.0;
  const double below = (pB - lB) * (pB - lB) - 2 * phi * (pB - lB) * (uA - pA) + (uA - pA) * (uA - pA);
  const double above = (uB - pB) * (uB - pB) - 2 * phi * (uB - pB) * (pA - lA) + (pA - lA) * (pA - lA);
  low = pB - pA - std::sqrt(std::max(0.0, below));
  high = pB - pA + std::sqrt(std::max(0.0, above));
}

void meanInterval(const std::vector<double>& differences, double& mean, double& low, double& high) {
  const double n = static_cast<double>(differences.size());
  mean = n > 0 ? std::accumulate(differences.begin(), differences.end(), 0.0) / n : 0.0;
  low = high = std::numeric_limits<double>::quiet_NaN();
  if (differences.size() < 2) return;
  double squares = 0;
  for (double d : differences) squares += (d - mean) * (d - mean);
  const double error = std::sqrt(squares / (n - 1) / n);
  const boost::math::students_t_distribution<double> t(n - 1);
  const double half = boost::math::quantile(boost::math::complement(t, 0.025)) * error;
  low = mean - half;
  high = mean + half;
}

namespace {

// The share of sign choices on ranks 1..n whose positive ranks sum to at
// most `w`, and to at least `w`.
void exactTails(int n, double w, double& atMost, double& atLeast) {
  const int top = n * (n + 1) / 2;
  std::vector<double> ways(static_cast<std::size_t>(top) + 1, 0.0);
  ways[0] = 1;
  for (int rank = 1; rank <= n; ++rank) {
    for (int s = top; s >= rank; --s) ways[static_cast<std::size_t>(s)] += ways[static_cast<std::size_t>(s - rank)];
  }
  const double all = std::ldexp(1.0, n);
  atMost = atLeast = 0;
  for (int s = 0; s <= top; ++s) {
    if (s <= w) atMost += ways[static_cast<std::size_t>(s)] / all;
    if (s >= w) atLeast += ways[static_cast<std::size_t>(s)] / all;
  }
}

}  // namespace

double wilcoxonSignedRankP(const std::vector<double>& differences, double* rankSum) {
  std::vector<double> d;
  for (double x : differences) {
    if (x != 0) d.push_back(x);
  }
  if (rankSum != nullptr) *rankSum = 0;
  const int n = static_cast<int>(d.size());
  if (n == 0) return 1.0;
  std::sort(d.begin(), d.end(), [](double x, double y) { return std::fabs(x) < std::fabs(y); });
  // Mean ranks over runs of equal size; W+ and the ties' correction.
  double positive = 0, tieTerm = 0;
  bool ties = false;
  for (int i = 0; i < n;) {
    int j = i;
    while (j < n && std::fabs(d[static_cast<std::size_t>(j)]) == std::fabs(d[static_cast<std::size_t>(i)])) ++j;
    const double rank = (i + 1 + j) / 2.0;
    for (int k = i; k < j; ++k) positive += d[static_cast<std::size_t>(k)] > 0 ? rank : 0.0;
    const double t = j - i;
    tieTerm += t * t * t - t;
    ties = ties || t > 1;
    i = j;
  }
  const double centre = n * (n + 1) / 4.0;
  if (rankSum != nullptr) *rankSum = 2 * (positive - centre);
  if (n <= 50 && !ties) {
    double atMost, atLeast;
    exactTails(n, positive, atMost, atLeast);
    return std::min(1.0, 2 * std::min(atMost, atLeast));
  }
  const double variance = n * (n + 1) * (2.0 * n + 1) / 24.0 - tieTerm / 48.0;
  if (variance <= 0) return 1.0;
  const double offset = positive - centre;
  const double corrected = offset > 0 ? offset - 0.5 : offset < 0 ? offset + 0.5 : 0.0;
  const double z = std::fabs(corrected) / std::sqrt(variance);
  return std::min(1.0, 2 * boost::math::cdf(boost::math::complement(boost::math::normal_distribution<double>(), z)));
}

}  // namespace paired
