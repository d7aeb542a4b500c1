// The Targa reader on files written by the test: origins, depths, run-length
// chunks, the footer-or-name rule and the image types it turns down.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "tests/support/TempDir.h"
#include "gxbase/Image.h"
#include "gxbase/TargaReader.h"

using gxbase::Image;
using namespace imagetest;

namespace {

const Bytes kA = {1, 2, 3}, kB = {4, 5, 6}, kC = {7, 8, 9}, kD = {10, 11, 12}, kE = {13, 14, 15}, kF = {16, 17, 18};

class TargaReader : public testing::Test {
 protected:
  // Reads the file into an image that held a picture before.
  bool Read(const std::string& name, const Bytes& file) {
    image = imagetest::MakeImage(gxbase::RGB, 1, {kA});
    return gxbase::ReadTarga(*image.Data(), imagetest::Write(name, file).c_str());
  }

  TempDir dir;
  Image image;
};

}  // namespace

TEST_F(TargaReader, bottomLeftAndTopLeftOriginsGiveTheSameImage) {
  ASSERT_TRUE(Read("bottom.tga", TargaFile(Targa(2, 24, 2, 3), Concat({kA, kB, kC, kD, kE, kF}))));
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(image.Padding(), 0);
  const std::vector<Bytes> bottomLeft = {Concat({kA, kB}), Concat({kC, kD}), Concat({kE, kF})};
  EXPECT_EQ(RowsOf(image), bottomLeft);
  TargaLayout topLeft = Targa(2, 24, 2, 3);
  topLeft.topLeft = true;
  ASSERT_TRUE(Read("top.tga", TargaFile(topLeft, Concat({kE, kF, kC, kD, kA, kB}))));
  EXPECT_EQ(RowsOf(image), bottomLeft);
}

TEST_F(TargaReader, thirtyTwoBitsGiveBgraWithTheAlpha) {
  ASSERT_TRUE(Read("alpha.tga", TargaFile(Targa(2, 32, 2, 1), {1, 2, 3, 0, 4, 5, 6, 128})));
  EXPECT_EQ(image.Format(), gxbase::BGRA);
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{1, 2, 3, 0, 4, 5, 6, 128}}));
}

TEST_F(TargaReader, runLengthChunksMustFillTheImageExactly) {
  const struct { const char* what; Bytes chunks; bool loads; } cases[] = {  // for a 2 x 2 image
      {"exactFill", Concat({RepeatChunk(3, kA), LiteralChunk({kB})}), true},
      {"onePixelShort", Concat({RepeatChunk(2, kA), LiteralChunk({kB})}), false},
      {"lastChunkOvershoots", Concat({RepeatChunk(3, kA), RepeatChunk(2, kB)}), false},
      {"firstChunkOvershoots", Concat({RepeatChunk(5, kA), Bytes(8, 0)}), false},
      {"literalCutShort", Concat({RepeatChunk(2, kA), Bytes{1}, kB, Bytes{7}}), false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Read("run.tga", TargaFile(Targa(10, 24, 2, 2), c.chunks)), c.loads);
    EXPECT_EQ(image.Data()->pixels != nullptr, c.loads);
  }
  // Chunks run across row ends.
  ASSERT_TRUE(Read("rle.tga", TargaFile(Targa(10, 24, 2, 2), Concat({RepeatChunk(3, kA), LiteralChunk({kB})}))));
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{Concat({kA, kA}), Concat({kA, kB})}));
}

TEST_F(TargaReader, aFooterOrTheNameMakesATargaFile) {
  const struct { const char* name; bool footer, loads; } cases[] = {
      {"sprite.tga", false, true},      {"sprite.TGA", false, true}, {"sprite.bin", false, false},
      {"sprite.Tga", false, false},     {"sprite.tga.bak", false, false},
      {"sprite.bin", true, true},       {"sprite", true, true}};
  for (const auto& c : cases) {
    TargaLayout layout = Targa(2, 24, 3, 3);
    layout.footer = c.footer;
    EXPECT_EQ(Read(c.name, TargaFile(layout, Bytes(27, 9))), c.loads) << c.name << " footer " << c.footer;
  }
}
