// A read-only result box. Its text is always the whole result, as the form wrote it: copying,
// the tooltip and screen readers get all of it. Only its drawing adapts to a text wider than the
// box: drawn whole in a smaller size of the same font, down to about 70 % of it, and below that
// shortened in the middle, keeping the first digit, the decimal separator and the exponent.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <optional>
#include <string>

#include "drawn_line.h"

namespace zentavo {

class ResultBox : public QLineEdit {
  Q_OBJECT

 public:
  ResultBox(std::string decimalSeparator, QWidget* parent);

  struct Drawing {
    QString text;  // the whole text, or its shortening
    QFont font;
  };
  const Drawing& DrawnText() const;
  // Where the text is drawn: the line edit's contents, less its margins.
  QRect TextArea() const;
  // Where each character of the text is drawn.
  DrawnLine Drawn() const;

  static constexpr double kSmallestScale = 0.7;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  Drawing Fitted() const;
  // Whether the line edit draws the text as it is, or the box draws its own drawing.
  bool DrawnAsLineEdit(const Drawing& drawing) const;
  QRect LineRect(const Drawing& drawing) const;
  bool SurelyFits(const QString& text) const;

  std::string decimalSeparator_;
  // What the box draws, worked out once for its text, size and font.
  mutable std::optional<Drawing> drawing_;
  // The advance of the widest character a number is written with, in the box's font.
  mutable int widestNumberCharacter_ = 0;
};

}  // namespace zentavo
