#pragma once
// A bound on single memory blocks the system decoders may take. A file can
// claim a size in one place and hold another picture further on that the
// decoder then sizes its surface by, so checking headers alone cannot bound
// what a decoder allocates; this does, for everything SDL allocates.

#include <cstddef>

namespace gxbase {

// While an object of this class lives, every allocation SDL makes that is
// larger than maxBlock bytes fails (and the decoder reports failure).
class DecoderMemoryLimit {
 public:
  explicit DecoderMemoryLimit(std::size_t maxBlock);
  ~DecoderMemoryLimit();
  DecoderMemoryLimit(const DecoderMemoryLimit&) = delete;
  DecoderMemoryLimit& operator=(const DecoderMemoryLimit&) = delete;

 private:
  std::size_t previous;
};

}  // namespace gxbase
