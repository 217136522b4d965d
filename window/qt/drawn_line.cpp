#include "drawn_line.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <algorithm>

#include "number_elision.h"

namespace zentavo {

DrawnLine::DrawnLine(const QString& whole, const QString& drawn, const QFont& font, QRect clip)
    : layout_(std::make_unique<QTextLayout>(drawn, font)),
      height_(QFontMetrics(font).height()),
      clip_(clip) {
  // One line, as a line edit lays out its text.
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout_->setTextOption(option);
  layout_->beginLayout();
  layout_->createLine();
  layout_->endLayout();
  auto units = [](const QString& text) {
    return std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                               static_cast<std::size_t>(text.size()));
  };
  drawnAt_ = DrawnPositions(units(whole), units(drawn));
}

DrawnLine::DrawnLine(DrawnLine&&) noexcept = default;
DrawnLine& DrawnLine::operator=(DrawnLine&&) noexcept = default;
DrawnLine::~DrawnLine() = default;

QTextLine DrawnLine::Line() const {
  return layout_->lineAt(0);
}

int DrawnLine::DrawnLength() const {
  return static_cast<int>(layout_->text().size());
}

void DrawnLine::Anchor(int position, QPoint at) {
  origin_ = QPointF(at.x() - qRound(Line().cursorToX(position)), at.y());
}

int DrawnLine::PlaceX(int position) const {
  return qRound(origin_.x() + Line().cursorToX(position));
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
  int position = Line().xToCursor(point.x() - origin_.x(), QTextLine::CursorOnCharacter);
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
