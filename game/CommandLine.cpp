#include "game/CommandLine.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>

#include "game/SettingsReader.h"

namespace {

// The name the program was started by, without its folder.
std::string programName(int argc, char** argv) {
  if (argc < 1 || argv[0] == nullptr) return "chomp";
  return std::filesystem::path(argv[0]).filename().string();
}

// A pipe or a device named as the file would block the game or stream for
// ever; the game would refuse it at every read, so it is bad usage at once.
CLI::Validator regularFile() {
  return CLI::Validator(
      [](std::string& path) {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error) ? std::string() : "not a regular file: " + path;
      },
      "");
}

}  // namespace

CommandLine::CommandLine(const std::string& description, bool withSettings)
    : app(std::make_unique<CLI::App>(description)) {
  app->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  if (!withSettings) return;
  app->add_option("--config", source.file, "configuration file: pairs of a key and an integer")
      ->check(CLI::ExistingFile.description(""))
      ->check(regularFile())
      ->type_name("FILE")
      ->capture_default_str();
  app->add_flag("--no-config", noConfig, "no configuration file: every setting at its built-in default")
      ->excludes("--config");
  app->add_option("--set", settingTexts, "a setting applied after the file, as if it were its last line")
      ->type_name("KEY=VALUE")
      ->allow_extra_args(false);
  app->footer("KEY is any key of the configuration file (README.md lists them); a later --set wins.\n"
              "Example, to play yourself with the arrow keys: --set control=0 --set runs=0");
}

CommandLine::~CommandLine() = default;

CLI::App& CommandLine::options() { return *app; }

int CommandLine::parse(int argc, char** argv) {
  program = programName(argc, argv);
  app->name(program);
  try {
    app->parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::fputs(app->help().c_str(), stdout);
    return 0;
  } catch (const CLI::ParseError& error) {
    return usageError(error.what());
  }
  std::string problem;
  return readSettings(&problem) ? kRun : usageError(problem);
}

int CommandLine::usageError(const std::string& problem) const {
  // Exactly one line, however the parser worded it.
  std::string line = problem;
  for (char& c : line) {
    if (c == '\n') c = ' ';
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  std::fprintf(stderr, "%s: %s (see --help)\n", program.c_str(), line.c_str());
  return kUsageError;
}

bool CommandLine::readSettings(std::string* problem) {
  if (noConfig) source.file.clear();  // an empty name reads no file
  source.settings.clear();
  for (const std::string& text : settingTexts) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
      *problem = "--set wants KEY=VALUE, not '" + text + "'";
      return false;
    }
    const std::string key = text.substr(0, equals);
    const std::string valueText = text.substr(equals + 1);
    int value = 0;
    if (!SettingsReader::isKey(key)) {
      *problem = "--set " + text + ": '" + key + "' is not a configuration key";
      return false;
    }
    // The file ignores negative values; here the user is told at once.
    if (!SettingsReader::parseValue(valueText, &value) || value < 0) {
      *problem = "--set " + text + ": the value must be a non-negative integer";
      return false;
    }
    source.settings.emplace_back(key, value);
  }
  return true;
}
