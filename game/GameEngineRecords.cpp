// Records of the games the window plays: the rules tell the recorder every
// decision point; the record is written when the game reaches game over.
// A game abandoned (F1, the window closed) leaves no record.

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "game/GameEngine.h"
#include "game/GameRecord.h"
#include "game/SeedRange.h"
#include "maze/GameState.h"

void GameEngine::drawSeedForRecords() {
  if (recordDir.empty() || gameSettings.seed > 0) return;
  // A record replays only a seeded game: draw its seed, and say it.
  const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
  gameSettings.seed = static_cast<int>(1 + static_cast<unsigned long long>(ticks) % (kLastSeed / 2));
  std::fprintf(stderr, "Chomp: recording games with seed %d (the first game; then %d, ...)\n", gameSettings.seed,
               gameSettings.seed + 1);
}

void GameEngine::startRecord() {
  if (recordDir.empty()) return;
  recordSeed = GameRules::seedOfGame(gameSettings.seed, rules.gamesStarted);
  recorder.begin(gameSettings.keyboardControl ? "keyboard" : "builtin", recordSeed, 0);
  rules.observer = &recorder;
}

void GameEngine::keepRecord() {
  if (recordDir.empty() || rules.observer != &recorder) return;
  rules.observer = nullptr;
  const GameRecord& record = recorder.finish(GameRecorder::outcomeOf(rules, recordSeed));
  const std::string name = GameRecord::fileName(gameSettings, recordSeed);
  std::string path = recordDir + "/" + name;
  std::error_code error;
  for (int n = 2; std::filesystem::exists(path, error); ++n) {
    path = recordDir + "/" + name.substr(0, name.size() - 4) + "-" + std::to_string(n) + ".rec";
  }
  std::string problem;
  if (record.save(path, &problem)) {
    std::fprintf(stderr, "Chomp: game record %s\n", path.c_str());
  } else {
    ++recordsLost;
    std::fprintf(stderr, "Record lost: %s\n", problem.c_str());
  }
}
