// A box that shows a number whole, whatever its length, when it is not being edited: its text is
// drawn whole in the box's font where it fits, else whole in a smaller size of the same font,
// down to about 70 % of it, and below that shortened (see ElideNumber) in that smallest size. The
// text stays whole in the box: copying, the tooltip and screen readers get all of it. Where the
// box draws its text as a line edit does instead, it is scrolled as a line edit scrolls it.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <optional>
#include <string>

#include "drawn_line.h"
#include "line_edit_text.h"

namespace zentavo {

class FittedBox : public QLineEdit, public DrawsOwnLine {
  Q_OBJECT

 public:
  FittedBox(std::string decimalSeparator, QWidget* parent);

  struct Drawing {
    QString text;  // the whole text, or its shortening
    QFont font;
  };
  // The fitted drawing of the text, worked out once for its text, size and font.
  const Drawing& DrawnText() const;
  // Where the text is drawn: the line edit's contents, less its margins.
  QRect TextArea() const;
  // Where each character of the text is drawn, fitted or as the line edit draws it.
  DrawnLine Drawn() const override;
  // Where the text was drawn fitted, the place before the character nearest `point`, as a click
  // there means it.
  int FittedCaretAt(QPoint point) const;

  static constexpr double kSmallestScale = 0.7;

 protected:
  // Whether the box draws its text fitted now, rather than as a line edit.
  virtual bool DrawsFitted() const = 0;
  // Whether the box last painted its own fitted drawing rather than the line edit's.
  bool PaintedFitted() const { return paintedFitted_; }

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  Drawing Fitted() const;
  // Whether the fitted drawing is the line edit's own: the whole text in the box's font.
  bool DrawnAsLineEdit(const Drawing& drawing) const;
  QRect LineRect(const Drawing& drawing) const;
  // The most characters of the text that could fit the box in `font`, from the narrowest of them.
  int MostCharacters(const QString& text, const QFont& font) const;
  bool SurelyFits(const QString& text) const;
  void PaintFitted(const Drawing& drawing);
  DrawnLine FittedLine() const;

  std::string decimalSeparator_;
  mutable std::optional<Drawing> drawing_;
  // The advance of the widest character a number is written with, in the box's font.
  mutable int widestNumberCharacter_ = 0;
  bool paintedFitted_ = false;
};

}  // namespace zentavo
