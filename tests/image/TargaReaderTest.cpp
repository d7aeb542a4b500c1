// The Targa reader on files written by the test: origins, depths, run-length
// chunks, the footer-or-name rule and the image types it turns down.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "gxbase/Image.h"
#include "gxbase/TargaReader.h"

using gxbase::Image;
using imagetest::Bytes;
using imagetest::Concat;
using imagetest::LiteralChunk;
using imagetest::RepeatChunk;
using imagetest::RowsOf;
using imagetest::TargaFile;
using imagetest::TargaLayout;

namespace {

const Bytes kA = {1, 2, 3}, kB = {4, 5, 6}, kC = {7, 8, 9}, kD = {10, 11, 12}, kE = {13, 14, 15}, kF = {16, 17, 18};

TargaLayout Layout(int type, int depth, int width, int height) {
  TargaLayout layout;
  layout.imageType = type;
  layout.depth = depth;
  layout.width = width;
  layout.height = height;
  return layout;
}

class TargaReader : public testing::Test {
 protected:
  bool Read(const std::string& name, const Bytes& file) {
    return gxbase::ReadTarga(*image.Data(), dir.Write(name, file).c_str());
  }
  void ExpectEmpty() const {
    EXPECT_EQ(image.Data()->pixels, nullptr);
    EXPECT_EQ(image.Width(), 0);
  }

  imagetest::TempDir dir;
  Image image;
};

}  // namespace

TEST_F(TargaReader, bottomLeftOriginKeepsTheStoredRowOrder) {
  ASSERT_TRUE(Read("bottom.tga", TargaFile(Layout(2, 24, 2, 3), Concat({kA, kB, kC, kD, kE, kF}))));
  EXPECT_EQ(image.Format(), gxbase::BGR);
  EXPECT_EQ(image.Padding(), 0);
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{Concat({kA, kB}), Concat({kC, kD}), Concat({kE, kF})}));
}

TEST_F(TargaReader, topLeftOriginGivesTheSameImageAsBottomLeft) {
  ASSERT_TRUE(Read("bottom.tga", TargaFile(Layout(2, 24, 2, 3), Concat({kA, kB, kC, kD, kE, kF}))));
  const std::vector<Bytes> bottomLeft = RowsOf(image);
  TargaLayout topLeft = Layout(2, 24, 2, 3);
  topLeft.topLeft = true;
  ASSERT_TRUE(Read("top.tga", TargaFile(topLeft, Concat({kE, kF, kC, kD, kA, kB}))));
  EXPECT_EQ(RowsOf(image), bottomLeft);
}

TEST_F(TargaReader, thirtyTwoBitsKeepTheAlpha) {
  ASSERT_TRUE(Read("alpha.tga", TargaFile(Layout(2, 32, 2, 1), {1, 2, 3, 0, 4, 5, 6, 128})));
  EXPECT_EQ(image.Format(), gxbase::BGRA);
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{1, 2, 3, 0, 4, 5, 6, 128}}));
}

TEST_F(TargaReader, identificationFieldIsSkipped) {
  TargaLayout layout = Layout(2, 24, 1, 1);
  layout.idLength = 5;
  ASSERT_TRUE(Read("id.tga", TargaFile(layout, kA)));
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{kA}));
}

TEST_F(TargaReader, runLengthChunksFillAcrossRowEnds) {
  const Bytes chunks = Concat({RepeatChunk(3, kA), LiteralChunk({kB, kC, kD})});
  ASSERT_TRUE(Read("rle.tga", TargaFile(Layout(10, 24, 2, 3), chunks)));
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{Concat({kA, kA}), Concat({kA, kB}), Concat({kC, kD})}));
}

TEST_F(TargaReader, runLengthThirtyTwoBitsWithTopLeftOrigin) {
  TargaLayout layout = Layout(10, 32, 1, 2);
  layout.topLeft = true;
  ASSERT_TRUE(Read("rle32.tga", TargaFile(layout, Concat({RepeatChunk(1, {1, 2, 3, 4}), RepeatChunk(1, {5, 6, 7, 8})}))));
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{{5, 6, 7, 8}, {1, 2, 3, 4}}));
}

TEST_F(TargaReader, runLengthStopsOnceTheImageIsFull) {
  TargaLayout layout = Layout(10, 24, 2, 1);
  layout.footer = true;  // bytes after the last chunk are not pixels
  ASSERT_TRUE(Read("full.tga", TargaFile(layout, RepeatChunk(2, kA))));
  EXPECT_EQ(RowsOf(image), (std::vector<Bytes>{Concat({kA, kA})}));
}

TEST_F(TargaReader, longRunsOf128PixelsAreDecoded) {
  ASSERT_TRUE(Read("long.tga", TargaFile(Layout(10, 24, 16, 16), Concat({RepeatChunk(128, kA), RepeatChunk(128, kB)}))));
  EXPECT_EQ(image.Row(7)[45], kA[0]);
  EXPECT_EQ(image.Row(8)[0], kB[0]);
  EXPECT_EQ(image.Row(15)[45], kB[0]);
}

struct RunLengthCase {
  const char* name;
  Bytes chunks;  // for a 2 x 2 image
  bool loads;
};

void PrintTo(const RunLengthCase& c, std::ostream* out) { *out << c.name; }

class TargaRunLength : public testing::TestWithParam<RunLengthCase> {};

TEST_P(TargaRunLength, imageMustBeFilledExactly) {
  const RunLengthCase& c = GetParam();
  imagetest::TempDir dir;
  Image image;
  const std::string path = dir.Write("run.tga", TargaFile(Layout(10, 24, 2, 2), c.chunks));
  EXPECT_EQ(gxbase::ReadTarga(*image.Data(), path.c_str()), c.loads);
  EXPECT_EQ(image.Data()->pixels != nullptr, c.loads);
}

INSTANTIATE_TEST_SUITE_P(
    Chunks, TargaRunLength,
    testing::Values(RunLengthCase{"exactFill", Concat({RepeatChunk(2, kA), LiteralChunk({kB, kC})}), true},
                    RunLengthCase{"onePixelShort", Concat({RepeatChunk(2, kA), LiteralChunk({kB})}), false},
                    RunLengthCase{"lastChunkOvershoots", Concat({RepeatChunk(3, kA), RepeatChunk(2, kB)}), false},
                    RunLengthCase{"firstChunkOvershoots", Concat({RepeatChunk(5, kA), Bytes(8, 0)}), false},
                    RunLengthCase{"literalCutShort", Concat({RepeatChunk(2, kA), Bytes{1}, kB, Bytes{7}}), false},
                    RunLengthCase{"repeatValueMissing", Concat({LiteralChunk({kA, kB, kC}), Bytes{0x80}}), false}),
    [](const testing::TestParamInfo<RunLengthCase>& info) { return std::string(info.param.name); });

struct NameRuleCase {
  const char* name;
  bool footer;
  bool loads;
};

void PrintTo(const NameRuleCase& c, std::ostream* out) { *out << c.name << (c.footer ? " with footer" : ""); }

class TargaNameRule : public testing::TestWithParam<NameRuleCase> {};

TEST_P(TargaNameRule, footerOrNameMakesATargaFile) {
  const NameRuleCase& c = GetParam();
  imagetest::TempDir dir;
  Image image;
  TargaLayout layout = Layout(2, 24, 3, 3);
  layout.footer = c.footer;
  const std::string path = dir.Write(c.name, TargaFile(layout, Bytes(27, 9)));
  EXPECT_EQ(gxbase::ReadTarga(*image.Data(), path.c_str()), c.loads) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, TargaNameRule,
    testing::Values(NameRuleCase{"sprite.tga", false, true}, NameRuleCase{"sprite.TGA", false, true},
                    NameRuleCase{"sprite.bin", false, false}, NameRuleCase{"sprite.Tga", false, false},
                    NameRuleCase{"sprite.tga.bak", false, false}, NameRuleCase{"a.tga.tga", false, false},
                    NameRuleCase{"sprite.bin", true, true}, NameRuleCase{"sprite", true, true}));

TEST(TargaName, nameRule) {
  EXPECT_TRUE(gxbase::IsTargaName("data//dot.tga"));
  EXPECT_TRUE(gxbase::IsTargaName("a.TGA"));
  EXPECT_FALSE(gxbase::IsTargaName(".tga"));  // shorter than 5
  EXPECT_TRUE(gxbase::IsTargaName("x.tga.TGA")) << "only the first .TGA counts, and it is last";
  EXPECT_FALSE(gxbase::IsTargaName("x.TGA.TGA"));
  EXPECT_FALSE(gxbase::IsTargaName(nullptr));
}

struct RejectedCase {
  const char* name;
  int colourMapType, imageType, depth;
};

void PrintTo(const RejectedCase& c, std::ostream* out) { *out << c.name; }

class TargaRejects : public testing::TestWithParam<RejectedCase> {};

TEST_P(TargaRejects, onlyTrueColourOf24Or32BitsIsRead) {
  const RejectedCase& c = GetParam();
  imagetest::TempDir dir;
  TargaLayout layout = Layout(c.imageType, c.depth, 2, 2);
  layout.colourMapType = c.colourMapType;
  layout.footer = true;
  const std::string path = dir.Write("rejected.tga", TargaFile(layout, Bytes(64, 1)));
  Image image = imagetest::MakeImage(gxbase::RGB, 1, {kA});
  EXPECT_FALSE(gxbase::ReadTarga(*image.Data(), path.c_str()));
  EXPECT_EQ(image.Data()->pixels, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TargaRejects,
    testing::Values(RejectedCase{"colourMapped", 1, 1, 8}, RejectedCase{"grey", 0, 3, 8},
                    RejectedCase{"colourMappedRunLength", 1, 9, 8}, RejectedCase{"greyRunLength", 0, 11, 8},
                    RejectedCase{"depth15", 0, 2, 15}, RejectedCase{"depth16", 0, 2, 16},
                    RejectedCase{"depth16RunLength", 0, 10, 16}, RejectedCase{"depth8TrueColour", 0, 2, 8},
                    RejectedCase{"trueColourWithColourMap", 1, 2, 24}, RejectedCase{"noImageData", 0, 0, 24}),
    [](const testing::TestParamInfo<RejectedCase>& info) { return std::string(info.param.name); });

TEST_F(TargaReader, zeroWidthOrHeightIsRefused) {
  EXPECT_FALSE(Read("wide.tga", TargaFile(Layout(2, 24, 0, 3), Bytes(30, 1))));
  EXPECT_FALSE(Read("high.tga", TargaFile(Layout(2, 24, 3, 0), Bytes(30, 1))));
  ExpectEmpty();
}

TEST_F(TargaReader, fileShorterThanAFooterIsRefusedWhateverItsName) {
  // 18 + 3 bytes hold a whole 1 x 1 picture, but no room for the footer.
  EXPECT_FALSE(Read("tiny.tga", TargaFile(Layout(2, 24, 1, 1), kA)));
  ExpectEmpty();
  EXPECT_TRUE(Read("small.tga", TargaFile(Layout(2, 24, 2, 1), Concat({kA, kB, Bytes(2, 0)}))));
}

TEST_F(TargaReader, missingFileFails) {
  image = imagetest::MakeImage(gxbase::RGB, 1, {kA});
  EXPECT_FALSE(gxbase::ReadTarga(*image.Data(), dir.Path("absent.tga").c_str()));
  ExpectEmpty();
  EXPECT_FALSE(gxbase::ReadTarga(*image.Data(), nullptr));
}
