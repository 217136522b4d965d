// A one-line text laid out in a font as a line edit lays it out, with the place before each of its
// characters worked out once: a reader that asks where every character of a long text lies then
// costs no more than the text's length.
#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <vector>

namespace zentavo {

class LaidOutText {
 public:
  LaidOutText(const QString& text, const QFont& font);

  // The layout of the text in the font, reused for the few texts asked about last.
  static std::shared_ptr<const LaidOutText> Of(const QString& text, const QFont& font);

  const QString& Text() const { return text_; }
  const QFont& Font() const { return font_; }
  int Length() const { return static_cast<int>(text_.size()); }
  // The place before character `position` (the end for Length()), from the line's start.
  qreal X(int position) const;
  // The character drawn at x, as the layout finds it; may be out of range.
  int CharacterAt(qreal x) const;

 private:
  void FindPlaces();

  QString text_;
  QFont font_;
  QTextLayout layout_;
  std::vector<qreal> places_;
};

}  // namespace zentavo
