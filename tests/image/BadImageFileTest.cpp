// Broken and hostile files: every reader and Load answer false with an empty
// image, without reading or writing outside their buffers and without
// allocating what the file cannot hold.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "TestFiles.h"
#include "tests/support/TempDir.h"
#include "gxbase/BmpReader.h"
#include "gxbase/Image.h"
#include "gxbase/PictureDecoder.h"
#include "gxbase/SystemBitmapLoader.h"
#include "gxbase/TargaReader.h"
#include "tests/support/GlContext.h"

using gxbase::Image;
using gxbase::ImageData;
using namespace imagetest;

namespace {

using Reader = bool (*)(ImageData&, const char*);

struct NamedReader {
  const char* name;
  Reader read;
};

const NamedReader kReaders[] = {{"ownBitmap", gxbase::ReadBmp},
                                {"systemBitmap", gxbase::ReadSystemBitmap},
                                {"targa", gxbase::ReadTarga},
                                {"picture", gxbase::ReadPicture}};

// Every reader on its own, then Load: all must fail and leave the image empty.
void ExpectRefusedByAll(const std::string& path) {
  for (const NamedReader& reader : kReaders) {
    Image image = imagetest::MakeImage(gxbase::RGB, 1, {{1, 2, 3}});
    EXPECT_FALSE(reader.read(*image.Data(), path.c_str())) << reader.name << " " << path;
    EXPECT_EQ(image.Data()->pixels, nullptr) << reader.name;
  }
  Image image = imagetest::MakeImage(gxbase::RGB, 1, {{1, 2, 3}});
  EXPECT_FALSE(image.Load(path.c_str())) << path;
  EXPECT_EQ(image.Data()->pixels, nullptr);
  EXPECT_EQ(image.Width(), 0);
}

Bytes Truncated(const Bytes& file, size_t length) { return Bytes(file.begin(), file.begin() + length); }

void Put32(Bytes& file, size_t at, uint32_t value) {
  for (int k = 0; k < 4; ++k) file[at + k] = (value >> (8 * k)) & 0xFF;
}

class BadImageFile : public testing::Test {
 protected:
  TempDir dir;
};

}  // namespace

TEST_F(BadImageFile, emptyFilesGarbageADirectoryAndANamedPipeAreRefusedWhateverTheirName) {
  for (const char* name : {"empty.bmp", "empty.tga", "empty.png", "empty"}) ExpectRefusedByAll(imagetest::Write(name, {}));
  Bytes garbage;
  for (int k = 0; k < 300; ++k) garbage.push_back(static_cast<unsigned char>(k * 97 + 13));
  for (size_t length : {1u, 18u, 26u, 300u})
    ExpectRefusedByAll(imagetest::Write("garbage" + std::to_string(length) + ".tga", Truncated(garbage, length)));
  std::filesystem::create_directories("folder.tga");
  ExpectRefusedByAll("folder.tga");
  ASSERT_EQ(mkfifo("pipe.tga", 0600), 0);
  ExpectRefusedByAll("pipe.tga");  // opening it must not wait for a writer
}

TEST_F(BadImageFile, everyTruncationOfAGoodFileIsRefused) {
  // Rows with no padding, so every cut removes bytes a reader needs. All are
  // named .tga so that the Targa reader looks at every one of them too.
  BmpLayout grey = Bmp(8, 4, 2);
  grey.coloursUsed = 2;
  grey.palette = {{0, 0, 0}, {9, 9, 9}};
  const Bytes files[] = {
      BmpFile(Bmp(24, 4, 2), {Bytes(12, 1), Bytes(12, 2)}),
      BmpFile(grey, {{0, 1, 0, 1}, {1, 1, 0, 0}}),
      TargaFile(Targa(2, 24, 3, 3), Bytes(27, 5)),
      TargaFile(Targa(10, 32, 3, 3), imagetest::Concat({imagetest::RepeatChunk(4, {1, 2, 3, 4}),
                                                        imagetest::LiteralChunk({{5, 6, 7, 8}, {9, 9, 9, 9}}),
                                                        imagetest::RepeatChunk(3, {1, 1, 1, 1})})),
  };
  int fileNumber = 0;
  for (const Bytes& file : files) {
    {
      Image whole;
      ASSERT_TRUE(whole.Load(imagetest::Write("whole" + std::to_string(fileNumber) + ".tga", file).c_str()));
    }
    for (size_t length = 0; length < file.size(); ++length)
      ExpectRefusedByAll(imagetest::Write("cut" + std::to_string(fileNumber) + ".tga", Truncated(file, length)));
    ++fileNumber;
  }
}

TEST_F(BadImageFile, everyCutOfARealPngGifAndJpegSpriteLoadsWholeOrIsRefusedAtOnce) {
  // The shipped chomper sprite, converted by ImageMagick. A cut PNG once made
  // its decoder spin for ever on stale bytes; a cut GIF or JPEG may still
  // decode with its missing rows filled in.
  Image gif;
  EXPECT_FALSE(gif.Load((std::string(CHOMP_SOURCE_DIR) + "/tests/image/data/chomper.gif").c_str()));
  for (const char* name : {"chomper.png", "chomper.jpg"}) {
    const std::string source = std::string(CHOMP_SOURCE_DIR) + "/tests/image/data/" + name;
    std::ifstream in(source, std::ios::binary);
    const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Image image;
    ASSERT_TRUE(image.Load(source.c_str())) << name;
    for (size_t length = 0; length < file.size(); ++length) {
      const bool loaded = image.Load(imagetest::Write("cut.tga", Truncated(file, length)).c_str());
      EXPECT_EQ(image.Width(), loaded ? 18 : 0) << name << " cut to " << length;
      EXPECT_FALSE(loaded && std::string(name) == "chomper.png") << "cut to " << length;
    }
  }
}

TEST_F(BadImageFile, hugeSizesAreRefusedBeforeAllocating) {
  ExpectRefusedByAll(imagetest::Write("huge.tga", TargaFile(Targa(2, 32, 65535, 65535), Bytes(64, 1))));
  ExpectRefusedByAll(imagetest::Write("huger.tga", TargaFile(Targa(10, 32, 65535, 65535), Bytes(64, 0xFF))));
  // 23170 x 23170 pixels (2.2 GB) fit a 21 MB run-length file, or a sparse
  // one that takes no disk. Refused before anything is allocated.
  const std::string runs = imagetest::Write("sparse.tga", TargaFile(Targa(10, 32, 23170, 23170), Bytes(64, 0)));
  std::filesystem::resize_file(runs, 22 << 20);
  const std::string rows = imagetest::Write("sparse.bmp", BmpFile(Bmp(24, 23170, 23170), {Bytes(64, 1)}));
  std::filesystem::resize_file(rows, int64_t(23170) * 23172 * 3);
  ExpectRefusedByAll(runs);
  ExpectRefusedByAll(rows);
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  EXPECT_LT(usage.ru_maxrss, 100 << 10);  // kilobytes: under 100 MB
  // Fits an int but not the file: 40000 x 10000 x 3 bytes.
  ExpectRefusedByAll(imagetest::Write("big.tga", TargaFile(Targa(2, 24, 40000, 10000), Bytes(64, 1))));
  const struct { int bits, width, height; } sizes[] = {
      {24, 0x7FFFFFFF, 0x7FFFFFFF}, {24, 1 << 30, 4}, {8, 100000, 100000},
      {24, 40000, -10000}, {24, 4, static_cast<int>(0x80000000u)}};
  for (const auto& size : sizes) {
    BmpLayout layout = Bmp(size.bits, size.width, size.height);
    if (size.bits == 8) layout.palette = std::vector<Bytes>(256, Bytes{1, 1, 1});
    ExpectRefusedByAll(imagetest::Write("huge.bmp", BmpFile(layout, {Bytes(64, 1)})));
  }
}

TEST_F(BadImageFile, bitmapHeadersThatLieAreRefused) {
  BmpLayout eightBit = Bmp(8, 4, 1);
  eightBit.palette = std::vector<Bytes>(256, Bytes{5, 5, 5});
  const Bytes twentyFour = BmpFile(Bmp(24, 4, 2), {Bytes(12, 1), Bytes(12, 2)});
  const Bytes eight = BmpFile(eightBit, {{0, 1, 2, 3}});
  const struct { const char* what; const Bytes& good; size_t at; uint32_t value; } lies[] = {
      {"pixelOffsetPastTheEnd", twentyFour, 10, 1000},    {"pixelOffsetHuge", twentyFour, 10, 0xFFFFFFF0u},
      {"pixelOffsetInTheLastRow", twentyFour, 10, 70},    {"heightBeyondTheRows", twentyFour, 22, 3},
      {"widthBeyondTheRows", twentyFour, 18, 5},          {"imageSizeTooSmall", twentyFour, 34, 12},
      {"coloursUsed257", eight, 46, 257},                 {"coloursUsedHuge", eight, 46, 0xFFFFFFFFu},
      {"infoSizeHuge", eight, 14, 0xFFFFFFF0u},           {"infoSizeTooSmall", eight, 14, 12},
      {"infoSizePastTheEnd", eight, 14, 2000},
  };
  for (const auto& lie : lies) {
    Bytes file = lie.good;
    Put32(file, lie.at, lie.value);
    SCOPED_TRACE(lie.what);
    Image image = imagetest::MakeImage(gxbase::RGB, 1, {{1, 2, 3}});
    EXPECT_FALSE(gxbase::ReadBmp(*image.Data(), imagetest::Write("lie.bmp", file).c_str()));
    EXPECT_EQ(image.Data()->pixels, nullptr);
  }
}

TEST_F(BadImageFile, targaHeadersThatLieAboutSizesAreRefused) {
  Bytes longId = TargaFile(Targa(2, 24, 3, 3), Bytes(27, 1));
  longId[0] = 255;  // no identification bytes follow
  ExpectRefusedByAll(imagetest::Write("id.tga", longId));
  ExpectRefusedByAll(imagetest::Write("taller.tga", TargaFile(Targa(2, 24, 2, 3), Bytes(12, 1))));
  // A repeat chunk that would run far past a 2 x 2 image.
  ExpectRefusedByAll(imagetest::Write("overrun.tga", TargaFile(Targa(10, 24, 2, 2), imagetest::RepeatChunk(128, {1, 2, 3}))));
}

TEST_F(BadImageFile, hugeSizesAreNotHandedToTheSystemDecoders) {
  // Each header claims far more pixels than the few bytes behind it; the GIF
  // cases are kept fuzz inputs, replayed by the fuzz regression test.
  const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                     0, 1, 0x86, 0xA0, 0, 1, 0x86, 0xA0, 8, 6, 0, 0, 0, 0x12, 0x34, 0x56, 0x78};
  const Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 'J', 'F', 0xFF, 0xC0, 0, 11, 8, 0xFF, 0xFF, 0xFF, 0xFF,
                      1, 1, 0x11, 0, 0xFF, 0xD9};
  ExpectRefusedByAll(imagetest::Write("huge.png", png));
  ExpectRefusedByAll(imagetest::Write("huge.jpg", jpeg));

  BmpLayout runLength = Bmp(8, 30000, 30000);
  runLength.compression = 1;
  runLength.palette = {{1, 2, 3}};
  runLength.coloursUsed = 1;
  ExpectRefusedByAll(imagetest::Write("rle.bmp", BmpFile(runLength, {{0, 1}})));
  ExpectRefusedByAll(imagetest::Write("sixteen.bmp", BmpFile(Bmp(16, 4000, 4000), {Bytes(64, 1)})));
}
