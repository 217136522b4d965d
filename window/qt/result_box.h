// A read-only result box. Its text is always the whole result, as the form wrote it: copying,
// the tooltip and screen readers get all of it. Only its drawing adapts to a text wider than the
// box: drawn whole in a smaller size of the same font, down to about 70 % of it, and below that
// shortened in the middle, keeping the first digit, the decimal separator and the exponent.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <string>

namespace zentavo {

class ResultBox : public QLineEdit {
  Q_OBJECT

 public:
  ResultBox(std::string decimalSeparator, QWidget* parent);

  struct Drawing {
    QString text;  // the whole text, or its shortening
    QFont font;
  };
  Drawing DrawnText() const;
  // Where the text is drawn: the line edit's contents, less its margins.
  QRect TextArea() const;

  static constexpr double kSmallestScale = 0.7;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string decimalSeparator_;
};

}  // namespace zentavo
