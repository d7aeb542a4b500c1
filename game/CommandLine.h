#pragma once
// The command line of the programs that play games (the game and the batch
// runner), so both understand the settings the same way:
//   --config FILE     the configuration file (default data/config.txt; a
//                     missing default file means every built-in default)
//   --no-config       no file at all: every setting at its built-in default
//   --set KEY=VALUE   one setting, applied after the file by the file's rules
//                     (repeatable; KEY must be a configuration key and VALUE
//                     a non-negative decimal integer)
//   --help            the usage text on standard output
// A program adds options of its own through options() before parse, and
// reports its own bad usage through usageError. An option given twice takes
// its last value, as a key given twice in the configuration file does.

#include <memory>
#include <string>
#include <vector>

#include "game/ConfigSource.h"

namespace CLI {
class App;
}

class CommandLine {
 public:
  // parse's result when the program should go on and run.
  static constexpr int kRun = -1;
  // Exit status after bad usage.
  static constexpr int kUsageError = 2;

  // `withSettings` false: a program that plays no game of its own settings
  // (it has neither --config nor --set).
  explicit CommandLine(const std::string& description, bool withSettings = true);
  ~CommandLine();
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  // The parser itself, for options of the program's own.
  CLI::App& options();

  // Reads the arguments. kRun when the program should run; otherwise the
  // status to end with: 0 after --help, kUsageError after one line
  // "PROGRAM: PROBLEM" on standard error.
  int parse(int argc, char** argv);
  // Writes "PROGRAM: PROBLEM (see --help)" as one line on standard error;
  // returns kUsageError.
  int usageError(const std::string& problem) const;

  // The settings the command line asked for; valid after parse gave kRun.
  const ConfigSource& configSource() const { return source; }

 private:
  bool readSettings(std::string* problem);

  std::string program = "chomp";
  std::unique_ptr<CLI::App> app;
  std::vector<std::string> settingTexts;
  bool noConfig = false;
  ConfigSource source;
};
