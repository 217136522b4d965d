#include "laid_out_text.h"

#include <QGlyphRun>
#include <QTextLine>
#include <algorithm>

namespace zentavo {
namespace {

// Characters that each make one glyph of their own, left to right: a text of these has its places
// where its glyphs are.
bool OneGlyphEach(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) {
    return !c.isSurrogate() && !c.isMark() && c.direction() != QChar::DirR &&
           c.direction() != QChar::DirAL && c.category() != QChar::Other_Control;
  });
}

constexpr std::size_t kKept = 4;

}  // namespace

LaidOutText::LaidOutText(const QString& text, const QFont& font)
    : text_(text), font_(font), layout_(text, font) {
  // One line, as a line edit lays out its text.
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout_.setTextOption(option);
  layout_.beginLayout();
  layout_.createLine();
  layout_.endLayout();
  FindPlaces();
}

// From the glyphs' positions where each character has one glyph; otherwise from the layout, one
// place at a time, which for a long text costs time growing with the square of its length.
void LaidOutText::FindPlaces() {
  const QTextLine line = layout_.lineAt(0);
  places_.reserve(text_.size() + 1);
  if (OneGlyphEach(text_)) {
    for (const QGlyphRun& run : line.glyphRuns())
      for (const QPointF& glyph : run.positions()) places_.push_back(glyph.x());
  }
  const bool inOrder = std::is_sorted(places_.begin(), places_.end());
  if (places_.size() != static_cast<std::size_t>(text_.size()) || !inOrder) {
    places_.clear();
    for (int position = 0; position < text_.size(); ++position)
      places_.push_back(line.cursorToX(position));
  }
  places_.push_back(line.cursorToX(static_cast<int>(text_.size())));
}

qreal LaidOutText::X(int position) const {
  return places_[static_cast<std::size_t>(std::clamp(position, 0, Length()))];
}

int LaidOutText::CharacterAt(qreal x) const {
  return layout_.lineAt(0).xToCursor(x, QTextLine::CursorOnCharacter);
}

std::shared_ptr<const LaidOutText> LaidOutText::Of(const QString& text, const QFont& font) {
  static std::vector<std::shared_ptr<const LaidOutText>> kept;
  // The same string is most often the very same data: compared first by where it lies.
  const auto same = [&](const std::shared_ptr<const LaidOutText>& laid) {
    const QString& other = laid->Text();
    return other.size() == text.size() &&
           (other.constData() == text.constData() || other == text) && laid->Font() == font;
  };
  auto found = std::find_if(kept.begin(), kept.end(), same);
  std::shared_ptr<const LaidOutText> laid =
      found != kept.end() ? *found : std::make_shared<const LaidOutText>(text, font);
  if (found != kept.end()) kept.erase(found);
  kept.insert(kept.begin(), laid);
  if (kept.size() > kKept) kept.pop_back();
  return laid;
}

}  // namespace zentavo
