// Conversion between the seven pixel formats.

#include "gxbase/Image.h"

namespace gxbase {
namespace {

// One pixel while it passes from the source layout to the target layout.
struct WorkingPixel {
  int r = 0, g = 0, b = 0, a = 255, l = 0;
};

// What a format carries, which decides how the missing channels are derived.
enum class Carries { Colour, ColourAlpha, Grey, GreyAlpha, AlphaOnly };

Carries CarriesOf(PixelFormat format) {
  switch (format) {
    case RGB: case BGR: return Carries::Colour;
    case RGBA: case BGRA: return Carries::ColourAlpha;
    case Luminance: return Carries::Grey;
    case LuminanceAlpha: return Carries::GreyAlpha;
    default: return Carries::AlphaOnly;
  }
}

// Weights 0.3 / 0.6 / 0.1 taken in single precision, the weighted sum rounded
// to single precision, then rounded half up: white stays 255, (10, 200, 30) is 126.
int Grey(const WorkingPixel& p) {
  const float sum = static_cast<float>(double(0.3f) * p.r + double(0.6f) * p.g + double(0.1f) * p.b);
  return static_cast<int>(double(sum) + 0.5);
}

// Sets only the channels the source format stores.
void ReadPixel(const unsigned char* in, PixelFormat format, WorkingPixel& p) {
  switch (format) {
    case RGB: p.r = in[0]; p.g = in[1]; p.b = in[2]; break;
    case RGBA: p.r = in[0]; p.g = in[1]; p.b = in[2]; p.a = in[3]; break;
    case BGR: p.b = in[0]; p.g = in[1]; p.r = in[2]; break;
    case BGRA: p.b = in[0]; p.g = in[1]; p.r = in[2]; p.a = in[3]; break;
    case Luminance: p.l = in[0]; break;
    case LuminanceAlpha: p.l = in[0]; p.a = in[1]; break;
    case Alpha: p.a = in[0]; break;
  }
}

void WritePixel(const WorkingPixel& p, PixelFormat format, unsigned char* out) {
  switch (format) {
    case RGB: out[0] = p.r; out[1] = p.g; out[2] = p.b; break;
    case RGBA: out[0] = p.r; out[1] = p.g; out[2] = p.b; out[3] = p.a; break;
    case BGR: out[0] = p.b; out[1] = p.g; out[2] = p.r; break;
    case BGRA: out[0] = p.b; out[1] = p.g; out[2] = p.r; out[3] = p.a; break;
    case Luminance: out[0] = p.l; break;
    case LuminanceAlpha: out[0] = p.l; out[1] = p.a; break;
    case Alpha: out[0] = p.a; break;
  }
}

// Fills the channels the target needs but the source does not carry.
void Derive(Carries from, Carries to, WorkingPixel& p) {
  const bool toColour = to == Carries::Colour || to == Carries::ColourAlpha;
  const bool toGrey = to == Carries::Grey || to == Carries::GreyAlpha;
  switch (from) {
    case Carries::Colour:
    case Carries::ColourAlpha:
      if (toGrey) p.l = Grey(p);
      else if (to == Carries::AlphaOnly && from == Carries::Colour) p.a = Grey(p);
      break;
    case Carries::Grey:
    case Carries::GreyAlpha:
      if (toColour) p.r = p.g = p.b = p.l;
      else if (to == Carries::AlphaOnly && from == Carries::Grey) p.a = p.l;
      break;
    case Carries::AlphaOnly:
      if (toColour) p.r = p.g = p.b = p.a;
      else if (to == Carries::Grey) p.l = p.a;
      break;
  }
}

bool IsKnown(PixelFormat format) { return BytesPerPixel(format) != 0; }

}  // namespace

bool Image::Convert(PixelFormat target) {
  const PixelFormat source = Format();
  if (target == source) return true;
  if (!IsKnown(source) || !IsKnown(target)) return false;
  Image converted;
  if (!converted.Allocate(Width(), Height(), target, 0)) return false;
  const int sourceBytes = BytesPerPixel();
  const int targetBytes = converted.BytesPerPixel();
  const Carries from = CarriesOf(source), to = CarriesOf(target);
  for (int i = 0; i < Height(); ++i) {
    const unsigned char* in = Row(i);
    unsigned char* out = converted.Row(i);
    WorkingPixel p;  // reset once per row
    for (int j = 0; j < Width(); ++j, in += sourceBytes, out += targetBytes) {
      ReadPixel(in, source, p);
      Derive(from, to, p);
      WritePixel(p, target, out);
    }
  }
  SwapPixels(converted);
  return true;
}

}  // namespace gxbase
