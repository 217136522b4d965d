// Captions drawn at build time, so that the window shows them without laying out their text, and
// without ever loading a font that only captions use: for each, the text, font, alignment and
// colours it was drawn in, its size as a label, and its pixels at each screen scale the build drew
// it for and at each fraction of a device pixel its label can stand at.
#pragma once

#include <QRgb>
#include <cmath>
#include <span>

namespace zentavo {

struct PredrawnRaster {
  int percent;         // the screen scale, in percent
  int phaseX, phaseY;  // where the label's origin falls within a device pixel, in hundredths
  int width, height;   // in device pixels, from the device pixel holding the label's origin
  bool grey;           // one byte a pixel (a grey) rather than three (red, green, blue)
  const unsigned char* pixels;  // rows without padding
};

struct PredrawnCaption {
  const char* text;  // UTF-8
  const char* family;
  int pixelSize;
  bool bold;
  int stretch;
  int alignment;  // Qt::Alignment
  QRgb ink, background;
  int width, height;  // the label's size, in device-independent pixels
  std::span<const PredrawnRaster> rasters;
};

// Written by the build's drawing tool.
std::span<const PredrawnCaption> PredrawnCaptions();

// Where a label's origin falls within a device pixel, in hundredths, for an origin at `device`.
inline int PixelPhase(double device) {
  return static_cast<int>(std::lround((device - std::floor(device)) * 100)) % 100;
}

}  // namespace zentavo
