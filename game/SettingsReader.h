#pragma once
// The one reader of the settings: the configuration file, pairs of a key and
// a decimal integer separated by blanks, tabs or line breaks, then the single
// settings given beside it (the command line's --set, a tool's overrides).
// Each value is held within its key's range as it is read, and what is
// derived from it (the frame period from "fps") is worked out there too.

#include <string>

#include "game/ConfigSource.h"
#include "maze/GameSettings.h"

class SettingsReader {
 public:
  // The defaults, then the source's file (missing file: defaults), then its
  // single settings in order; negative values are skipped. Given
  // `fileSettings`, the settings read from the file before, the file itself
  // is not read again.
  static GameSettings read(const ConfigSource& source, const GameSettings* fileSettings = nullptr);
  // The defaults, then the pairs of this file.
  static GameSettings readFile(const char* path);
  // Applies one non-negative value to the key it names; false for an unknown key.
  static bool apply(GameSettings& settings, const std::string& key, int value);
  // Whether a key is one of the configuration's.
  static bool isKey(const std::string& key);
  // Every key with the value in force, one "key value" line each, in the
  // file's key order: a configuration file that gives these settings back.
  static std::string text(const GameSettings& settings);
  // Reads a text as `text` writes it back into exactly those settings: the
  // defaults, then each key given. False, saying why in `error`, for a line
  // that is not a key and a whole number, or a value the key cannot hold
  // (one a file would have changed on reading).
  static bool readText(const std::string& text, GameSettings& settings, std::string* error);
  // The keys that decide how a game goes, given its seed and its ghosts
  // (all but "runs", "data_timeout", "data", "control", the ghosts taken
  // part and "seed"), as 16 hexadecimal digits of a 64-bit FNV-1a hash of
  // their lines: games with the same digest were played under the same rules.
  static std::string rulesDigest(const GameSettings& settings);
  // A whole text read as the file reads a value; false when it is not one int.
  static bool parseValue(const std::string& text, int* value);
};
