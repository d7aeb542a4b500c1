#include "game/GameOptions.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <sstream>

#include "game/HeadlessGame.h"

GameOptions::GameOptions(const std::string& program, const std::string& description)
    : programName(program), app(std::make_unique<CLI::App>(description, program)) {
  // An option given twice takes its last value, as a key in the configuration file does.
  app->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app->add_option("--config", file, "configuration file: pairs of a key and an integer")
      ->check(CLI::ExistingFile.description(""))
      ->type_name("FILE")
      ->capture_default_str();
  app->add_option("--set", settingTexts, "a setting applied after the file, as if it were its last line")
      ->type_name("KEY=VALUE")
      ->allow_extra_args(false);
}

GameOptions::~GameOptions() = default;

CLI::App& GameOptions::options() { return *app; }

int GameOptions::parse(int argc, char** argv) {
  try {
    app->parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::fputs(app->help().c_str(), stdout);
    return 0;
  } catch (const CLI::ParseError& error) {
    return usageError(error.what());
  }
  std::string problem;
  return readSettings(problem) ? kRun : usageError(problem);
}

int GameOptions::usageError(const std::string& problem) const {
  // One line, however the parser worded it.
  std::string line = problem;
  for (char& c : line) {
    if (c == '\n') c = ' ';
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  std::fprintf(stderr, "%s: %s (see --help)\n", programName.c_str(), line.c_str());
  return kUsageError;
}

bool GameOptions::parseConfigValue(const std::string& text, int& value) {
  // The file's tokens hold no blanks, and its values are read by the
  // stream extraction of an int.
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') return false;
  }
  std::istringstream in(text);
  int read = 0;
  if (!(in >> read) || in.peek() != std::char_traits<char>::eof()) return false;
  value = read;
  return true;
}

bool GameOptions::readSettings(std::string& problem) {
  pairs.clear();
  for (const std::string& text : settingTexts) {
    const size_t equals = text.find('=');
    int value = 0;
    if (equals == std::string::npos) {
      problem = "--set wants KEY=VALUE, not '" + text + "'";
      return false;
    }
    const std::string key = text.substr(0, equals);
    if (!HeadlessGame::isSettingKey(key)) {
      problem = "--set " + text + ": '" + key + "' is not a configuration key";
      return false;
    }
    // The file ignores a negative value; given on the command line it is a mistake.
    if (!parseConfigValue(text.substr(equals + 1), value) || value < 0) {
      problem = "--set " + text + ": the value must be a non-negative integer";
      return false;
    }
    pairs.emplace_back(key, value);
  }
  return true;
}
