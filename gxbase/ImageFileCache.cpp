#include "gxbase/ImageFileCache.h"

#include <sys/stat.h>

#include <utility>

namespace gxbase {

ImageFileCache::ImageFileCache(std::string file) : path(std::move(file)) {}

const Image& ImageFileCache::Get() {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    image.Free();
    known = false;
    return image;
  }
  const int64_t modified = int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  if (known && info.st_size == size && modified == modifiedNs) return image;
  // A file that cannot be read is not tried again until it changes.
  image.Load(path.c_str());
  known = true;
  size = info.st_size;
  modifiedNs = modified;
  return image;
}

}  // namespace gxbase
