#include "long_text_painter.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QTextLine>

#include "line_edit_text.h"

namespace zentavo {

LongTextPainter::LongTextPainter(QLineEdit& box) : QObject(&box), box_(box) {
  box.installEventFilter(this);
  connect(&box, &QLineEdit::textChanged, this, &LongTextPainter::Changed);
  connect(&box, &QLineEdit::cursorPositionChanged, this, &LongTextPainter::Changed);
  connect(&box, &QLineEdit::selectionChanged, this, &LongTextPainter::Changed);
}

bool LongTextPainter::CanDraw() const {
  return !changed_ && !composing_ && box_.hasFocus() && box_.text().size() >= kLongText &&
         !box_.hasSelectedText() && !box_.isReadOnly() && box_.echoMode() == QLineEdit::Normal &&
         box_.inputMask().isEmpty();
}

void LongTextPainter::Changed() {
  changed_ = true;
  origin_.reset();
  caretShown_ = true;
  const int period = QGuiApplication::styleHints()->cursorFlashTime() / 2;
  if (period > 0 && box_.hasFocus() && box_.text().size() >= kLongText) {
    blink_.start(period, this);
  } else {
    blink_.stop();
  }
}

bool LongTextPainter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusOut:
      layout_.reset();
      laidOut_.clear();
      [[fallthrough]];
    case QEvent::FocusIn:
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
      Changed();
      break;
    case QEvent::InputMethod:
      composing_ = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
      Changed();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void LongTextPainter::timerEvent(QTimerEvent* event) {
  if (event->timerId() != blink_.timerId()) {
    QObject::timerEvent(event);
    return;
  }
  caretShown_ = !caretShown_;
  if (CanDraw()) box_.update();
}

void LongTextPainter::LineEditDrew() {
  if (!box_.hasFocus() || box_.text().size() < kLongText) return;
  changed_ = false;
  caret_ = LineEditCaret(box_);
}

QPoint LongTextPainter::TextOrigin() {
  if (origin_) return *origin_;
  if (!layout_ || laidOut_ != box_.text()) {
    // One line, as the line edit lays out its text.
    laidOut_ = box_.text();
    layout_ = std::make_unique<QTextLayout>(laidOut_, box_.font());
    QTextOption option;
    option.setTextDirection(box_.layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout_->setTextOption(option);
    layout_->setCacheEnabled(true);
    layout_->beginLayout();
    layout_->createLine();
    layout_->endLayout();
  }
  const int caretX = qRound(layout_->lineAt(0).cursorToX(box_.cursorPosition()));
  origin_ = QPoint(caret_.x() - caretX, caret_.y());
  return *origin_;
}

void LongTextPainter::Draw(QPainter& painter, const QStyleOptionFrame& panel) {
  box_.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, &box_);
  const QRect clip = LineEditTextClip(box_);
  const QPoint origin = TextOrigin();
  painter.setClipRect(clip);
  painter.setPen(box_.palette().text().color());
  layout_->draw(&painter, origin, {}, clip);
  if (caretShown_) {
    layout_->drawCursor(&painter, origin, box_.cursorPosition(),
                        box_.style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, &box_));
  }
}

}  // namespace zentavo
