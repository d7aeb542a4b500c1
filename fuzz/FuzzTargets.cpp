#include "fuzz/FuzzTargets.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "game/GameRecord.h"
#include "game/SettingsReader.h"
#include "gxbase/BmpReader.h"
#include "gxbase/Image.h"
#include "gxbase/TargaReader.h"

namespace fuzz {
namespace {

// A folder of this process's own, removed when the process ends normally.
class InputFolder {
 public:
  // In memory where the system offers it: every input is written once.
  InputFolder() {
    const std::string base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/chomp-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) root = pattern;
  }
  ~InputFolder() {
    std::error_code ignored;
    if (!root.empty()) std::filesystem::remove_all(root, ignored);
  }
  // Writes the bytes to the named file of the folder and returns its path
  // ("" when it could not be written).
  std::string write(const char* name, const uint8_t* data, size_t size) const {
    if (root.empty()) return "";
    const std::string path = root + "/" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return "";
    const bool whole = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && whole ? path : "";
  }

 private:
  std::string root;
};

const InputFolder& folder() {
  static InputFolder instance;
  return instance;
}

// Names with and without the Targa ending, so both halves of the name rule
// (and the footer that overrides it) are reached.
const char* const kNames[kNameChoices] = {"input.tga", "INPUT.TGA", "input.bin", "input.tga.bak"};

volatile unsigned char pixelProbe = 0;

// Reads the first and the last byte the image claims to hold; the rows lie
// in one block, so a block smaller than its stated size shows up under the
// address checker.
void touchPixels(const gxbase::Image& image) {
  const gxbase::ImageData& data = *image.Data();
  pixelProbe = data.pixels[0];
  pixelProbe = data.pixels[data.byteSize - 1];
}

// A failed read leaves the image empty; a successful one leaves a whole,
// consistent picture of a format the reader may produce.
bool imageKeptPromise(const gxbase::Image& image, bool loaded, bool (*formatAllowed)(gxbase::PixelFormat)) {
  if (!loaded) return image.Width() == 0 && image.Height() == 0 && image.Data()->pixels == nullptr;
  if (!image.IsValid()) return false;
  touchPixels(image);
  return formatAllowed(image.Format()) && image.ByteSize() == image.Stride() * image.Height();
}

bool targaFormat(gxbase::PixelFormat f) { return f == gxbase::BGR || f == gxbase::BGRA; }
bool bmpFormat(gxbase::PixelFormat f) { return f == gxbase::BGR || f == gxbase::Luminance; }
bool loadedFormat(gxbase::PixelFormat f) { return targaFormat(f) || bmpFormat(f); }

// The first byte picks the name; the rest is the file.
std::string writeNamed(const uint8_t* data, size_t size) {
  const int choice = size > 0 ? data[0] % kNameChoices : 0;
  return size > 0 ? folder().write(kNames[choice], data + 1, size - 1) : folder().write(kNames[0], data, 0);
}

bool within(int value, int low, int high) { return value >= low && value <= high; }

// Every setting either keeps its default or lies in its range.
bool settingsInRange(const GameSettings& s) {
  bool slowdowns = true;
  for (int factor : s.ghostSlowdown) slowdowns = slowdowns && within(factor, 1, 5);
  return s.runs >= 1 && s.dataTimeoutMs >= 0 && s.fps >= 1 && s.framePeriodMs == 1000 / s.fps &&
         (s.nMovesBlueGhosts == 25 || within(s.nMovesBlueGhosts, 100, 1000)) &&
         (s.nMovesGhostAppears == 10 || within(s.nMovesGhostAppears, 50, 500)) &&
         within(s.lengthAttackMode, 100, 10000) && within(s.lengthScatterMode, 100, 10000) &&
         within(s.powerpillSlowdownFactor, 1, 5) && within(s.ghostValue, 10, 500) &&
         within(s.powerpillValue, 10, 500) && within(s.dotValue, 1, 50) &&
         within(s.nMovesFruitAppears, 50, 1000) && within(s.fruitValue, 10, 500) && slowdowns;
}

}  // namespace

bool readTargaInput(const uint8_t* data, size_t size) {
  const std::string path = writeNamed(data, size);
  gxbase::Image image;
  const bool loaded = !path.empty() && gxbase::ReadTarga(*image.Data(), path.c_str());
  return imageKeptPromise(image, loaded, targaFormat);
}

bool readBmpInput(const uint8_t* data, size_t size) {
  const std::string path = folder().write("input.bmp", data, size);
  gxbase::Image image;
  const bool loaded = !path.empty() && gxbase::ReadBmp(*image.Data(), path.c_str());
  return imageKeptPromise(image, loaded, bmpFormat);
}

bool loadImageInput(const uint8_t* data, size_t size) {
  const std::string path = writeNamed(data, size);
  gxbase::Image image;
  const bool loaded = !path.empty() && image.Load(path.c_str());
  return imageKeptPromise(image, loaded, loadedFormat);
}

bool readConfigInput(const uint8_t* data, size_t size) {
  const std::string path = folder().write("config.txt", data, size);
  return settingsInRange(SettingsReader::readFile(path.c_str()));
}

bool readRecordInput(const uint8_t* data, size_t size) {
  const std::string path = folder().write("game.rec", data, size);
  GameRecord record;
  std::string error;
  if (!GameRecord::load(path, record, &error)) return !error.empty();
  GameRecord again;
  const std::string text = record.text();
  return GameRecord::parse(text, again, &error) && again.text() == text && settingsInRange(record.settings);
}

Target targetNamed(const std::string& name) {
  if (name == "targa") return readTargaInput;
  if (name == "bmp") return readBmpInput;
  if (name == "image_load") return loadImageInput;
  if (name == "config") return readConfigInput;
  if (name == "record") return readRecordInput;
  return nullptr;
}

}  // namespace fuzz
