// Where a QLineEdit draws its text: it clips the text to its contents less the text margins, and
// lays the text out within a further margin of its own. What it draws there is scrolled to keep
// the caret in view; only the line edit knows by how much.
#pragma once

#include <QPoint>
#include <QRect>

#include "drawn_line.h"

class QLineEdit;

namespace zentavo {

QRect LineEditTextClip(const QLineEdit& box);
QRect LineEditTextArea(const QLineEdit& box);
// Where the box last drew its caret: its middle, at the top of the line.
QPoint LineEditCaret(const QLineEdit& box);
// Where each character of the box's text is, as QLineEdit draws it.
DrawnLine LineEditDrawnLine(const QLineEdit& box);

// A line edit that draws its text otherwise than QLineEdit does says where each character lies.
class DrawsOwnLine {
 public:
  virtual DrawnLine Drawn() const = 0;

 protected:
  ~DrawsOwnLine() = default;
};

}  // namespace zentavo
