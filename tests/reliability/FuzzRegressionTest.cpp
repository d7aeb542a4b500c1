// Every input kept in fuzz/regressions/<target>/ goes once more through the
// entry point of its target, here under the normal build's checks (and the
// address and undefined-behaviour checks of the sanitizer build).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzTargets.h"

namespace fs = std::filesystem;

namespace {

const fs::path REGRESSIONS = fs::path(CHOMP_SOURCE_DIR) / "fuzz" / "regressions";
const char* const TARGETS[] = {"targa", "bmp", "image_load", "config", "record"};

std::vector<uint8_t> readInput(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool isKeptInput(const fs::directory_entry& entry) {
  return entry.is_regular_file() && entry.path().extension() != ".md";
}

class KeptFuzzInputs : public ::testing::TestWithParam<const char*> {};

TEST_P(KeptFuzzInputs, keepTheirTargetsPromise) {
  const fuzz::Target target = fuzz::targetNamed(GetParam());
  ASSERT_NE(target, nullptr);
  const fs::path folder = REGRESSIONS / GetParam();
  if (!fs::exists(folder)) GTEST_SKIP() << "no kept inputs for " << GetParam();
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (!isKeptInput(entry)) continue;
    const std::vector<uint8_t> input = readInput(entry.path());
    EXPECT_TRUE(target(input.data(), input.size())) << entry.path();
  }
}

INSTANTIATE_TEST_SUITE_P(EveryTarget, KeptFuzzInputs, ::testing::ValuesIn(TARGETS));

}  // namespace
