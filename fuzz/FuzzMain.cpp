// One libFuzzer harness; CHOMP_FUZZ_TARGET names the entry point it drives.
// An outcome that breaks the code's promise is reported as a crash.

#include <cstdlib>

#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::Target target = fuzz::targetNamed(CHOMP_FUZZ_TARGET);
  if (target == nullptr || !target(data, size)) std::abort();
  return 0;
}
