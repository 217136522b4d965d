#include "line_edit_text.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

namespace zentavo {
namespace {

// The margins QLineEdit keeps between its text's clip and the text.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

// The style option QLineEdit describes itself with (its own is not public).
QStyleOptionFrame FrameOption(const QLineEdit& box) {
  QStyleOptionFrame frame;
  frame.initFrom(&box);
  frame.rect = box.contentsRect();
  frame.lineWidth =
      box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &box) : 0;
  frame.midLineWidth = 0;
  frame.state |= QStyle::State_Sunken;
  if (box.isReadOnly()) frame.state |= QStyle::State_ReadOnly;
  frame.features = QStyleOptionFrame::None;
  return frame;
}

}  // namespace

QRect LineEditTextClip(const QLineEdit& box) {
  const QStyleOptionFrame frame = FrameOption(box);
  return box.style()
      ->subElementRect(QStyle::SE_LineEditContents, &frame, &box)
      .marginsRemoved(box.textMargins());
}

QRect LineEditTextArea(const QLineEdit& box) {
  return LineEditTextClip(box).adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin,
                                        -kVerticalMargin);
}

// The input method's cursor rectangle is centred on the caret and starts at the top of the line,
// both where the box last drew them: it carries the box's scrolling.
QPoint LineEditCaret(const QLineEdit& box) {
  const QRect caret = box.inputMethodQuery(Qt::ImCursorRectangle).toRect();
  return {caret.x() + caret.width() / 2, caret.top()};
}

DrawnLine LineEditDrawnLine(const QLineEdit& box) {
  DrawnLine line(box.text(), box.text(), box.font(), LineEditTextClip(box));
  line.Anchor(box.cursorPosition(), LineEditCaret(box));
  return line;
}

}  // namespace zentavo
