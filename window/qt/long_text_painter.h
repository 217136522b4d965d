// Redraws a focused line edit whose text is long from a layout of its own, exactly as the line
// edit draws it. QLineEdit lays its whole text out again on every paint only to learn the line's
// height; for the longest current that is most of a redraw, and the caret blinks twice a second.
// The line edit itself draws the first paint after anything about the box changes, which keeps
// its own scrolling and caret right; every later paint until the next change (the caret blinking,
// the window uncovered) is drawn here, where the line edit drew, with the caret blinking here too.
#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPoint>
#include <QTextLayout>
#include <memory>
#include <optional>

class QLineEdit;
class QPainter;
class QStyleOptionFrame;

namespace zentavo {

class LongTextPainter : public QObject {
 public:
  explicit LongTextPainter(QLineEdit& box);

  // Whether the box's next paint can be drawn here.
  bool CanDraw() const;
  // Draws the box as the line edit would, its panel described by `panel`.
  void Draw(QPainter& painter, const QStyleOptionFrame& panel);
  // Called after the line edit has drawn the box itself.
  void LineEditDrew();

  // Texts shorter than this are laid out for each paint as the line edit does.
  static constexpr int kLongText = 512;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void Changed();
  // Where the line edit draws the start of the text, found from where it puts its caret.
  QPoint TextOrigin();

  QLineEdit& box_;
  bool changed_ = true;
  bool composing_ = false;
  std::unique_ptr<QTextLayout> layout_;
  QString laidOut_;
  QPoint caret_;  // the caret's place, as the line edit last drew it
  std::optional<QPoint> origin_;
  bool caretShown_ = true;
  QBasicTimer blink_;
};

}  // namespace zentavo
