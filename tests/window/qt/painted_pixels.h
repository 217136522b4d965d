// Reads what a widget painted from its grabbed image: the device pixels an area of the widget
// covers, and where something is drawn that stands out from the background.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QtMath>
#include <cstdlib>

namespace zentavo::testing_support {

// How far apart two colours are in brightness, from 0 to 255.
inline int BrightnessDistance(const QColor& a, const QColor& b) {
  return std::abs(qGray(a.rgb()) - qGray(b.rgb()));
}

// The device pixels of the image that an area in the widget's own coordinates covers, even in
// part, at the image's scale.
inline QRect DevicePixels(const QImage& image, const QRect& area) {
  const qreal scale = image.devicePixelRatio();
  return QRect(
      QPoint(qFloor(area.left() * scale), qFloor(area.top() * scale)),
      QPoint(qCeil((area.right() + 1) * scale) - 1, qCeil((area.bottom() + 1) * scale) - 1));
}

// The bounds of the pixels within `pixels` whose brightness is further than `threshold` from the
// background's; empty where nothing is drawn.
inline QRect InkBounds(const QImage& image, const QRect& pixels, const QColor& background,
                       int threshold) {
  const QRect searched = pixels.intersected(image.rect());
  QRect bounds;
  for (int y = searched.top(); y <= searched.bottom(); ++y)
    for (int x = searched.left(); x <= searched.right(); ++x)
      if (BrightnessDistance(image.pixelColor(x, y), background) > threshold)
        bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace zentavo::testing_support
