// A caption: a label sized to its text, measured once. Where the build drew its caption (the
// captions the window starts with), it shows those pixels at the screen scales and places they
// were drawn for, and neither lays out its text nor loads its font; at any other scale or place,
// or with another text, font or colours, it draws its text as any label does.
#pragma once

#include <QLabel>

#include "predrawn_captions.h"

namespace zentavo {

class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(const QString& text, QWidget* parent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  // Whether the label, where it stands in its window, shows the build's pixels rather than
  // drawing its text.
  bool ShowsPredrawnPixels() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const PredrawnCaption* Predrawn() const;
  // The pixels drawn for a label whose origin is drawn at `origin` in a device `scale` times
  // finer than the label's pixels, if it stands as they were drawn: at its size, in its ink, on
  // the colour they were drawn on.
  const PredrawnRaster* Raster(double scale, QPointF origin) const;

  mutable QString measuredText_;
  mutable QFont measuredFont_;
  mutable QSize measured_;
};

}  // namespace zentavo
