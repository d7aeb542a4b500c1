// Writes the seed corpus of every fuzz target: small valid files of each
// kind the readers accept, built byte by byte, plus the game's own sprites
// and config, and two game records. Usage: fuzz_write_seeds OUTPUT_FOLDER SOURCE_FOLDER
// Seeds land in OUTPUT_FOLDER/<target>/.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/GameRecorder.h"
#include "game/HeadlessGame.h"
#include "tests/support/GlContext.h"
#include "tests/image/TestFiles.h"

namespace fs = std::filesystem;
using imagetest::Bytes;

namespace {

// Sprites bigger than this stay out of the seeds: they slow every run.
constexpr std::uintmax_t kLargestSeed = 2048;

void writeBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The first byte of a Targa or image-load input picks the file name.
Bytes named(unsigned char nameChoice, const Bytes& file) {
  Bytes input{nameChoice};
  input.insert(input.end(), file.begin(), file.end());
  return input;
}

Bytes pixels(int count, int bytesPerPixel) {
  Bytes out;
  for (int k = 0; k < count * bytesPerPixel; ++k) out.push_back(static_cast<unsigned char>(k * 37 + 11));
  return out;
}

std::vector<Bytes> targaFiles() {
  using imagetest::TargaLayout;
  std::vector<Bytes> files;
  TargaLayout plain;
  plain.width = 3;
  plain.height = 2;
  files.push_back(imagetest::TargaFile(plain, pixels(6, 3)));
  TargaLayout alpha = plain;
  alpha.depth = 32;
  alpha.topLeft = true;
  alpha.idLength = 5;
  files.push_back(imagetest::TargaFile(alpha, pixels(6, 4)));
  TargaLayout runs = plain;
  runs.imageType = 10;
  runs.footer = true;
  files.push_back(imagetest::TargaFile(
      runs, imagetest::Concat({imagetest::RepeatChunk(4, {1, 2, 3}), imagetest::LiteralChunk({{4, 5, 6}, {7, 8, 9}})})));
  TargaLayout runs32 = runs;
  runs32.depth = 32;
  runs32.topLeft = true;
  files.push_back(imagetest::TargaFile(runs32, imagetest::RepeatChunk(6, {1, 2, 3, 4})));
  return files;
}

std::vector<Bytes> bmpFiles() {
  using imagetest::BmpLayout;
  std::vector<Bytes> files;
  BmpLayout colour;
  colour.width = 3;
  colour.height = 2;
  files.push_back(imagetest::BmpFile(colour, {pixels(3, 3), pixels(3, 3)}));
  BmpLayout topDown = colour;
  topDown.height = -2;
  files.push_back(imagetest::BmpFile(topDown, {pixels(3, 3), pixels(3, 3)}));
  BmpLayout grey = colour;
  grey.bitsPerPixel = 8;
  grey.coloursUsed = 4;
  grey.palette = {{0, 0, 0}, {80, 80, 80}, {160, 160, 160}, {255, 255, 255}};
  files.push_back(imagetest::BmpFile(grey, {{0, 1, 2}, {3, 2, 1}}));
  BmpLayout palette = grey;
  palette.palette[1] = {10, 20, 30};
  files.push_back(imagetest::BmpFile(palette, {{0, 1, 2}, {3, 2, 1}}));
  return files;
}

// PNG, JPEG and GIF files for the system picture decoder.
std::vector<Bytes> pictureFiles(const fs::path& scratch) {
  std::vector<Bytes> files;
  const gxbase::Image image = imagetest::MakeImage(gxbase::BGR, 3, {pixels(3, 3), pixels(3, 3)});
  const fs::path png = scratch / "seed.png";
  const fs::path jpeg = scratch / "seed.jpg";
  if (WritePngFile(image, png.c_str())) files.push_back(readBytes(png));
  if (WriteJpegFile(image, jpeg.c_str())) files.push_back(readBytes(jpeg));
  // One black pixel: screen descriptor with a two-colour table, image
  // descriptor, LZW codes clear, 0, end in one sub-block, trailer.
  files.push_back({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x2C, 0, 0,
                   0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B});
  return files;
}

std::vector<Bytes> gameSprites(const fs::path& source) {
  std::vector<Bytes> files;
  for (const auto& entry : fs::directory_iterator(source / "data")) {
    if (entry.path().extension() == ".tga" && entry.file_size() <= kLargestSeed)
      files.push_back(readBytes(entry.path()));
  }
  return files;
}

// The chomper sprite as real PNG, GIF and JPEG files, as an image editor
// writes them (with colour chunks, comments and a palette).
std::vector<Bytes> convertedSprites(const fs::path& source) {
  std::vector<Bytes> files;
  for (const auto& entry : fs::directory_iterator(source / "tests" / "image" / "data"))
    files.push_back(readBytes(entry.path()));
  return files;
}

std::vector<Bytes> configFiles(const fs::path& source) {
  auto text = [](const std::string& s) { return Bytes(s.begin(), s.end()); };
  return {readBytes(source / "data" / "config.txt"),
          text("runs 2 data 1 control 1 fps 2000\n"),
          text("red_ghost 0 green_ghost 2 dot_value -3 fps 0 runs 1\n"),
          text("n_moves_blue_ghosts 25\tlength_attack_mode 99999 data_timeout 7 speed fast\n")};
}

// Records of two short games as the programs write them: the built-in
// player's under the shipped settings, and one cut by its move cap.
std::vector<Bytes> recordFiles(const fs::path& source) {
  std::vector<Bytes> files;
  for (const long long cap : {200000LL, 400LL}) {
    HeadlessGame game;
    game.configure({{(source / "data" / "config.txt").string(), {{"green_ghost", 0}}}, cap});
    GameRecorder recorder;
    game.observeDecisions(&recorder);
    recorder.begin("builtin", 3, cap);
    const GameOutcome outcome = game.play(3);
    game.observeDecisions(nullptr);
    const std::string text = recorder.finish(outcome).text();
    files.emplace_back(text.begin(), text.end());
  }
  return files;
}

// Writes one seed file per input into OUTPUT/target.
void writeSeeds(const fs::path& output, const std::string& target, const std::vector<Bytes>& inputs) {
  const fs::path folder = output / target;
  fs::create_directories(folder);
  for (size_t k = 0; k < inputs.size(); ++k) writeBytes(folder / ("seed-" + std::to_string(k)), inputs[k]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER SOURCE_FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path output = argv[1];
  const fs::path source = argv[2];
  fs::create_directories(output);
  std::vector<Bytes> targa, images;
  for (const Bytes& file : targaFiles()) targa.push_back(named(0, file));
  targa.push_back(named(2, targaFiles()[2]));  // the footer makes any name acceptable
  for (const Bytes& file : gameSprites(source)) targa.push_back(named(0, file));
  images = targa;
  for (const Bytes& file : bmpFiles()) images.push_back(named(2, file));
  for (const Bytes& file : pictureFiles(output)) images.push_back(named(2, file));
  for (const Bytes& file : convertedSprites(source)) images.push_back(named(2, file));
  writeSeeds(output, "targa", targa);
  writeSeeds(output, "bmp", bmpFiles());
  writeSeeds(output, "image_load", images);
  writeSeeds(output, "config", configFiles(source));
  writeSeeds(output, "record", recordFiles(source));
  return 0;
}
