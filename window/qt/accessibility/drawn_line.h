// Where each character of a one-line text lies as a widget draws it, in the widget's coordinates.
// The drawn text may be a shortening of the whole text: the characters its ellipsis stands for all
// lie where the ellipsis is drawn, and a number shortened in exponent form keeps each digit shown
// at its own place (see DrawnPositions). Nothing outside the clip is shown. The text's layout is
// shared with every other drawing of the same text in the same font.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

#include "number_elision.h"

namespace zentavo {

class LaidOutText;

class DrawnLine {
 public:
  DrawnLine(const QString& whole, const QString& drawn, const QFont& font, QRect clip);

  // Places the line so that the place before the drawn text's character `position` is at x, and
  // the line's top at y.
  void Anchor(int position, QPoint at);

  // Where the whole text's character is drawn; empty where it is not shown.
  QRect CharacterRect(int offset) const;
  // The whole text's character drawn at `point` (the first of those an ellipsis stands for), or -1.
  int OffsetAt(QPoint point) const;

 private:
  int DrawnLength() const;
  // Where the place before the drawn character `position` is, in whole pixels.
  int PlaceX(int position) const;
  QRect DrawnRect(int position) const;

  std::shared_ptr<const LaidOutText> laid_;
  int height_ = 0;
  QRect clip_;
  QPointF origin_;
  // Where each character of the whole text is drawn; empty where the drawn text is the whole.
  std::vector<DrawnSpan> drawnAt_;
};

}  // namespace zentavo
