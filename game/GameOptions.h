#pragma once
// The command-line options shared by the programs that play games, so that
// each understands the settings the same way:
//   --config FILE     the configuration file (default data/config.txt; that
//                     default may be missing, which means every default; a
//                     file named on the command line must exist)
//   --set KEY=VALUE   one setting applied after the file, as if it were the
//                     file's last line (repeatable; KEY a configuration key,
//                     VALUE a non-negative integer as the file writes it;
//                     range limits are the file's)
//   --help            the usage text on standard output
// A program adds options of its own through options() before parse, and
// reports its own bad usage through usageError.

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace CLI {
class App;
}

class GameOptions {
 public:
  // parse's result when the program should go on and run.
  static constexpr int kRun = -1;
  // Exit status after bad usage.
  static constexpr int kUsageError = 2;

  GameOptions(const std::string& program, const std::string& description);
  ~GameOptions();
  GameOptions(const GameOptions&) = delete;
  GameOptions& operator=(const GameOptions&) = delete;

  // The parser itself, for options of the program's own.
  CLI::App& options();

  // Reads the arguments. kRun when the program should run; otherwise the
  // status to end with: 0 after --help, kUsageError after one line on
  // standard error.
  int parse(int argc, char** argv);
  // Writes "PROGRAM: PROBLEM (see --help)" as one line on standard error;
  // returns kUsageError.
  int usageError(const std::string& problem) const;

  // Valid after parse gave kRun.
  const std::string& configFile() const { return file; }
  const std::vector<std::pair<std::string, int>>& settings() const { return pairs; }

  // A configuration value as the file reads it: a decimal int with an
  // optional sign and nothing else. False when `text` is not one.
  static bool parseConfigValue(const std::string& text, int& value);

 private:
  bool readSettings(std::string& problem);

  std::string programName;
  std::unique_ptr<CLI::App> app;
  std::string file = "data/config.txt";
  std::vector<std::string> settingTexts;
  std::vector<std::pair<std::string, int>> pairs;
};
