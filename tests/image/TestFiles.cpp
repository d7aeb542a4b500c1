#include "TestFiles.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace imagetest {

namespace {

void Put16(Bytes& out, size_t at, uint32_t value) {
  out[at] = value & 0xFF;
  out[at + 1] = (value >> 8) & 0xFF;
}

void Put32(Bytes& out, size_t at, uint32_t value) {
  Put16(out, at, value & 0xFFFF);
  Put16(out, at + 2, value >> 16);
}

}  // namespace

std::string Write(const std::string& name, const Bytes& bytes) {
  std::ofstream out(name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return name;
}

TargaLayout Targa(int imageType, int depth, int width, int height) {
  TargaLayout layout;
  layout.imageType = imageType;
  layout.depth = depth;
  layout.width = width;
  layout.height = height;
  return layout;
}

BmpLayout Bmp(int bitsPerPixel, int width, int height) {
  BmpLayout layout;
  layout.bitsPerPixel = bitsPerPixel;
  layout.width = width;
  layout.height = height;
  return layout;
}

Bytes TargaFile(const TargaLayout& layout, const Bytes& pixelData) {
  Bytes file(18, 0);
  file[0] = layout.idLength;
  file[1] = layout.colourMapType;
  file[2] = layout.imageType;
  Put16(file, 12, layout.width);
  Put16(file, 14, layout.height);
  file[16] = layout.depth;
  file[17] = (layout.topLeft ? 0x20 : 0) | (layout.depth == 32 ? 8 : 0);
  file.insert(file.end(), layout.idLength, 'i');
  file.insert(file.end(), pixelData.begin(), pixelData.end());
  if (layout.footer) {
    Bytes footer(8, 0);
    const char signature[] = "TRUEVISION-XFILE.";
    footer.insert(footer.end(), signature, signature + 18);  // with the closing zero
    file.insert(file.end(), footer.begin(), footer.end());
  }
  return file;
}

Bytes RepeatChunk(int count, const Bytes& pixel) {
  Bytes chunk(1 + pixel.size());
  chunk[0] = static_cast<unsigned char>(0x80 | (count - 1));
  std::copy(pixel.begin(), pixel.end(), chunk.begin() + 1);
  return chunk;
}

Bytes LiteralChunk(const std::vector<Bytes>& pixels) {
  Bytes chunk{static_cast<unsigned char>(pixels.size() - 1)};
  for (const Bytes& pixel : pixels) chunk.insert(chunk.end(), pixel.begin(), pixel.end());
  return chunk;
}

Bytes BmpFile(const BmpLayout& layout, const std::vector<Bytes>& fileRows) {
  const size_t tableBytes = layout.palette.size() * 4;
  Bytes file(14 + 40 + tableBytes, 0);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 10, 14 + 40 + tableBytes);
  Put32(file, 14, 40);
  Put32(file, 18, layout.width);
  Put32(file, 22, static_cast<uint32_t>(layout.height));
  Put16(file, 26, layout.planes);
  Put16(file, 28, layout.bitsPerPixel);
  Put32(file, 30, layout.compression);
  Put32(file, 34, layout.imageSize);
  Put32(file, 46, layout.coloursUsed);
  for (size_t k = 0; k < layout.palette.size(); ++k)
    std::memcpy(&file[54 + 4 * k], layout.palette[k].data(), 3);
  for (const Bytes& row : fileRows) {
    file.insert(file.end(), row.begin(), row.end());
    file.insert(file.end(), (4 - row.size() % 4) % 4, 0);
  }
  Put32(file, 2, file.size());
  return file;
}

gxbase::Image MakeImage(gxbase::PixelFormat format, int width, const std::vector<Bytes>& rows, int padding) {
  gxbase::Image image;
  image.Allocate(width, static_cast<int>(rows.size()), format, padding);
  for (int i = 0; i < image.Height(); ++i) {
    std::memcpy(image.Row(i), rows[i].data(), rows[i].size());
    std::memset(image.Row(i) + rows[i].size(), 0xEE, padding);
  }
  return image;
}

std::vector<Bytes> RowsOf(const gxbase::Image& image) {
  std::vector<Bytes> rows;
  const int rowBytes = image.Width() * image.BytesPerPixel();
  for (int i = 0; i < image.Height(); ++i) rows.emplace_back(image.Row(i), image.Row(i) + rowBytes);
  return rows;
}

Bytes Concat(const std::vector<Bytes>& parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace imagetest
