#include "app/ProgressBar.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {
constexpr int BAR_WIDTH = 30;
}

ProgressBar::ProgressBar(std::size_t games)
    : total(games), shown(isatty(STDERR_FILENO) == 1), start(std::chrono::steady_clock::now()), lastDraw(start) {}

void ProgressBar::update(std::size_t done) {
  if (!shown) return;
  const auto now = std::chrono::steady_clock::now();
  if (drawn && done < total && now - lastDraw < std::chrono::milliseconds(100)) return;
  lastDraw = now;
  draw(done, std::chrono::duration<double>(now - start).count());
}

void ProgressBar::draw(std::size_t done, double seconds) {
  const double share = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
  const int filled = static_cast<int>(share * BAR_WIDTH);
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
  const long left = rate > 0 ? static_cast<long>(static_cast<double>(total - done) / rate + 0.5) : 0;
  const std::string bar = std::string(filled, '#') + std::string(BAR_WIDTH - filled, '.');
  std::fprintf(stderr, "\r[%s] %zu/%zu games  %.1f games/s  %ld:%02ld left ", bar.c_str(), done, total, rate,
               left / 60, left % 60);
  std::fflush(stderr);
  drawn = true;
}

void ProgressBar::finish() {
  if (!drawn) return;
  // Blanks over the bar, then back to the line's start.
  std::fprintf(stderr, "\r%*s\r", BAR_WIDTH + 60, "");
  std::fflush(stderr);
  drawn = false;
}
