#include "schematic_frame.h"

#include <QPainter>
#include <QPen>

#include "qt_conversions.h"

namespace zentavo {
namespace {

// A shape's border lies inside its bounds, so a wire loop of width W spans exactly W pixels.
QRectF InsideBorder(const QRect& bounds, int borderWidth) {
  const double half = borderWidth / 2.0;
  return QRectF(bounds).adjusted(half, half, -half, -half);
}

}  // namespace

SchematicFrame::SchematicFrame(frmZentavo& form, QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  for (Control* control : form.Controls()) {
    if (auto* shape = dynamic_cast<zentavo::Shape*>(control)) {
      shapes_.push_back(shape);
    } else if (auto* line = dynamic_cast<zentavo::Line*>(control)) {
      lines_.push_back(line);
    } else {
      continue;
    }
    control->Watch([this](Property) { update(); });
  }
}

void SchematicFrame::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QColor windowText = palette().color(QPalette::WindowText);

  for (const zentavo::Shape* shape : shapes_) {
    if (!shape->Visible()) continue;
    QPen pen(windowText, shape->BorderWidth());
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(shape->FilledBlack() ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    const QRectF outline = InsideBorder(PixelRect(*shape), shape->BorderWidth());
    // Wires stay sharp-edged; only the round dots are smoothed.
    const bool circle = shape->Form() == ShapeForm::Circle;
    painter.setRenderHint(QPainter::Antialiasing, circle);
    if (circle) {
      painter.drawEllipse(outline);
    } else {
      painter.drawRect(outline);
    }
  }

  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const zentavo::Line* line : lines_) {
    if (!line->Visible()) continue;
    const QColor colour = line->LineColour() ? ToQColor(*line->LineColour()) : windowText;
    painter.setPen(QPen(colour, line->BorderWidth(), Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPoint(Pixels(line->X1()), Pixels(line->Y1())),
                     QPoint(Pixels(line->X2()), Pixels(line->Y2())));
  }
}

}  // namespace zentavo
