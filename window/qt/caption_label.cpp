#include "caption_label.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace zentavo {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
}

const PredrawnCaption* CaptionLabel::Predrawn() const {
  const QFont& shown = font();
  for (const PredrawnCaption& caption : PredrawnCaptions()) {
    if (text() == QString::fromUtf8(caption.text) && shown.family() == caption.family &&
        shown.pixelSize() == caption.pixelSize && shown.bold() == caption.bold &&
        shown.stretch() == caption.stretch && static_cast<int>(alignment()) == caption.alignment)
      return &caption;
  }
  return nullptr;
}

const PredrawnRaster* CaptionLabel::Raster(double scale, QPointF origin) const {
  const PredrawnCaption* caption = Predrawn();
  const QWidget* behind = parentWidget();
  if (caption == nullptr || behind == nullptr || size() != QSize(caption->width, caption->height) ||
      palette().color(foregroundRole()).rgba() != caption->ink ||
      behind->palette().color(behind->backgroundRole()).rgba() != caption->background)
    return nullptr;
  const int percent = static_cast<int>(std::lround(scale * 100));
  const int phaseX = PixelPhase(origin.x()), phaseY = PixelPhase(origin.y());
  for (const PredrawnRaster& raster : caption->rasters) {
    if (raster.percent == percent && raster.phaseX == phaseX && raster.phaseY == phaseY)
      return &raster;
  }
  return nullptr;
}

bool CaptionLabel::ShowsPredrawnPixels() const {
  const double scale = devicePixelRatioF();
  return Raster(scale, QPointF(mapTo(window(), QPoint())) * scale) != nullptr;
}

// As QLabel measures a plain text that does not wrap, in one layout instead of three.
QSize CaptionLabel::sizeHint() const {
  if (const PredrawnCaption* caption = Predrawn()) return {caption->width, caption->height};
  if (measured_.isEmpty() || measuredText_ != text() || measuredFont_ != font()) {
    const auto flags = static_cast<int>(alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter));
    const QMargins margins = contentsMargins();
    measured_ = fontMetrics().boundingRect(0, 0, 2000, 2000, flags, text()).size() +
                QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    measuredText_ = text();
    measuredFont_ = font();
  }
  return measured_;
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Where the label's origin lands on the device painted, on screen or in a grab alike.
  const QTransform device = painter.deviceTransform();
  const double scale = device.m11();
  const PredrawnRaster* raster = device.type() <= QTransform::TxScale && device.m22() == scale
                                     ? Raster(scale, QPointF(device.dx(), device.dy()))
                                     : nullptr;
  if (raster == nullptr) {
    painter.end();
    QLabel::paintEvent(event);
    return;
  }
  QImage pixels(raster->pixels, raster->width, raster->height,
                raster->width * (raster->grey ? 1 : 3),
                raster->grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  pixels.setDevicePixelRatio(scale);
  // From the device pixel that holds the label's origin.
  painter.drawImage(QPointF(-raster->phaseX / 100.0, -raster->phaseY / 100.0) / scale, pixels);
}

}  // namespace zentavo
