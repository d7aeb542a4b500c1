#pragma once
// A picture kept in memory for as long as its file stays the same: read
// again only when the file's size or modification time changes, so a file
// edited while the program runs still shows, without reading it each time.

#include <cstdint>
#include <string>

#include "gxbase/Image.h"

namespace gxbase {

class ImageFileCache {
 public:
  explicit ImageFileCache(std::string path);

  // The picture of the file as it is now; empty when it is missing or
  // cannot be read.
  const Image& Get();

 private:
  std::string path;
  Image image;
  bool known = false;  // whether the stamp below describes the file read
  int64_t size = 0;
  int64_t modifiedNs = 0;
};

}  // namespace gxbase
