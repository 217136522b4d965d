#include "drawn_line.h"

#include <QFontMetrics>
#include <algorithm>

#include "laid_out_text.h"
#include "number_elision.h"

namespace zentavo {

DrawnLine::DrawnLine(const QString& whole, const QString& drawn, const QFont& font, QRect clip)
    : laid_(LaidOutText::Of(drawn, font)), height_(QFontMetrics(font).height()), clip_(clip) {
  auto units = [](const QString& text) {
    return std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                               static_cast<std::size_t>(text.size()));
  };
  drawnAt_ = DrawnPositions(units(whole), units(drawn));
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
  if (offset < 0 || (!drawnAt_.empty() && offset >= static_cast<int>(drawnAt_.size()))) return {};
  const DrawnSpan span =
      drawnAt_.empty() ? DrawnSpan{offset, offset} : drawnAt_[static_cast<std::size_t>(offset)];
  if (span.last >= DrawnLength()) return {};
  const QRect shown = DrawnRect(span.first).united(DrawnRect(span.last)).intersected(clip_);
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
  if (drawnAt_.empty()) return position;
  // The first character drawn there.
  for (std::size_t offset = 0; offset < drawnAt_.size(); ++offset)
    if (drawnAt_[offset].first <= position && position <= drawnAt_[offset].last)
      return static_cast<int>(offset);
  return -1;
}

}  // namespace zentavo
