// The Fusion style with the design's plain rectangles: the frames of boxes, lists and the button
// are drawn as square rectangles of whole pixels, in Fusion's colours, instead of antialiased
// rounded outlines. A box or list so drawn paints every pixel of its rectangle, so the style marks
// it opaque: a box that shows a new text then repaints alone, not the boxes its edges overlap.
#pragma once

#include <QProxyStyle>

namespace zentavo {

class PlainFrameStyle : public QProxyStyle {
  Q_OBJECT

 public:
  PlainFrameStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void polish(QWidget* widget) override;
  void unpolish(QWidget* widget) override;
  using QProxyStyle::polish;
  using QProxyStyle::unpolish;
};

}  // namespace zentavo
