#include "drawn_line.h"

#include <QFontMetrics>
#include <algorithm>

#include "laid_out_text.h"
#include "number_elision.h"

namespace zentavo {

DrawnLine::DrawnLine(const QString& whole, const QString& drawn, const QFont& font, QRect clip)
    : laid_(LaidOutText::Of(drawn, font)), height_(QFontMetrics(font).height()), clip_(clip) {
  if (drawn != whole) {
    const auto ellipsis = drawn.indexOf(QString::fromUtf8(kEllipsis.data(), kEllipsis.size()));
    if (ellipsis >= 0) {
      hiddenFrom_ = static_cast<int>(ellipsis);
      hiddenTo_ = static_cast<int>(whole.size() - (drawn.size() - ellipsis - 1));
    }
  }
}

int DrawnLine::DrawnLength() const {
  return laid_->Length();
}

void DrawnLine::Anchor(int position, QPoint at) {
  origin_ = QPointF(at.x() - qRound(laid_->X(position)), at.y());
}

int DrawnLine::PlaceX(int position) const {
  return qRound(origin_.x() + laid_->X(position));
}

QRect DrawnLine::DrawnRect(int position) const {
  const int top = qRound(origin_.y());
  return QRect(QPoint(PlaceX(position), top), QPoint(PlaceX(position + 1) - 1, top + height_ - 1));
}

QRect DrawnLine::CharacterRect(int offset) const {
  int position = offset;
  if (hiddenTo_ > hiddenFrom_ && offset >= hiddenFrom_)
    position = offset < hiddenTo_ ? hiddenFrom_ : offset - (hiddenTo_ - hiddenFrom_) + 1;
  if (offset < 0 || position >= DrawnLength()) return {};
  const QRect shown = DrawnRect(position).intersected(clip_);
  return shown.isEmpty() ? QRect() : shown;
}

int DrawnLine::OffsetAt(QPoint point) const {
  if (!clip_.contains(point) || DrawnLength() == 0) return -1;
  const int top = qRound(origin_.y());
  if (point.y() < top || point.y() >= top + height_) return -1;
  // The layout's own answer, settled against the whole pixels the rectangles are given in.
  int position = laid_->CharacterAt(point.x() - origin_.x());
  position = std::clamp(position, 0, DrawnLength() - 1);
  while (position > 0 && point.x() < PlaceX(position)) --position;
  while (position < DrawnLength() - 1 && point.x() >= PlaceX(position + 1)) ++position;
  if (!DrawnRect(position).contains(point)) return -1;
  if (hiddenTo_ > hiddenFrom_ && position > hiddenFrom_)
    return position + (hiddenTo_ - hiddenFrom_) - 1;
  return position;
}

}  // namespace zentavo
