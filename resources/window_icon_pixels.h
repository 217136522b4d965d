// The window's icon at each size it gives the window manager, compiled in from the icon drawings.
#pragma once

#include <cstdint>
#include <span>

namespace zentavo {

struct IconPixels {
  int size;                     // width and height
  const std::uint32_t* pixels;  // premultiplied 0xAARRGGBB, row by row from the top
};

// From the smallest size to the largest.
std::span<const IconPixels> WindowIconPixels();

}  // namespace zentavo
