#pragma once
// The fuzzed entry points, shared by the libFuzzer harnesses and the test
// that replays the kept regression inputs in the normal build.
//
// Each writes the input to a temporary file of this process and hands the
// path to the code under test, because the readers take paths. Each returns
// false when the outcome breaks the reader's promise (for example a loaded
// image whose sizes disagree, or a setting outside its range); crashes and
// sanitizer reports end the process as usual.

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// The Targa reader. The first input byte picks the file's name (a Targa
// name or not, upper or lower case), the rest is the file.
bool readTargaInput(const uint8_t* data, size_t size);
// The BMP reader; the whole input is the file.
bool readBmpInput(const uint8_t* data, size_t size);
// Image::Load with all four readers; the first byte picks the name as for
// the Targa target.
bool loadImageInput(const uint8_t* data, size_t size);
// SettingsReader::readFile on the input as a config file.
bool readConfigInput(const uint8_t* data, size_t size);
// GameRecord::load on the input as a record file; a record it takes is
// written out again and must read back to the same text.
bool readRecordInput(const uint8_t* data, size_t size);

// The entry point of a target by its name ("targa", "bmp", "image_load",
// "config", "record"); null for an unknown name.
using Target = bool (*)(const uint8_t* data, size_t size);
Target targetNamed(const std::string& name);

// Number of file names the first byte of a Targa or image input chooses from.
constexpr int kNameChoices = 4;

}  // namespace fuzz
