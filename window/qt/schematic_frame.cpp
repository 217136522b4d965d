#include "schematic_frame.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "design_palette.h"
#include "qt_conversions.h"

namespace zentavo {
namespace {

// The pixels of a straight line: a line on pixel row r covers rows r to r + width - 1 and runs
// width - 1 pixels past its far end, so that the shared side of two stacked wire loops is one
// wire, and corners close.
QRect LineBand(QPoint from, QPoint to, int width) {
  const QPoint topLeft(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
  const QPoint bottomRight(std::max(from.x(), to.x()) + width - 1,
                           std::max(from.y(), to.y()) + width - 1);
  return {topLeft, bottomRight};
}

// Whether a drawing can reach the part of the frame being repainted; a margin of one pixel keeps
// this true at fractional scales, where a pixel of the drawing can share a device pixel with it.
bool Reaches(const QRect& drawing, const QRegion& repainted) {
  return repainted.intersects(drawing.adjusted(-1, -1, 1, 1));
}

// Only the part of the frame behind a box that shows a new text is repainted: the wires that
// cannot reach it are skipped rather than drawn and clipped away.
void DrawLine(QPainter& painter, const QRegion& repainted, QPoint from, QPoint to, int width,
              const QColor& colour) {
  if (from.x() == to.x() || from.y() == to.y()) {
    const QRect band = LineBand(from, to, width);
    if (Reaches(band, repainted)) painter.fillRect(band, colour);
    return;
  }
  painter.setPen(QPen(colour, width));
  painter.drawLine(from, to);
}

}  // namespace

SchematicFrame::SchematicFrame(frmZentavo& form, QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto repaintOnChange = [this](Control& drawn) { drawn.Watch([this](Property) { update(); }); };
  for (Control* control : form.Controls()) {
    Visit(*control, Overloaded{[&](zentavo::Shape& shape) {
                                 shapes_.push_back(&shape);
                                 repaintOnChange(shape);
                               },
                               [&](zentavo::Line& line) {
                                 lines_.push_back(&line);
                                 repaintOnChange(line);
                               },
                               [](Control&) {}});
  }
}

void SchematicFrame::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QColor windowText = palette().color(QPalette::WindowText);

  for (const zentavo::Shape* shape : shapes_) {
    if (!shape->Visible()) continue;
    const QRect bounds = PixelRect(*shape);
    const int border = shape->BorderWidth();
    if (shape->Form() == ShapeForm::Circle) {
      if (!Reaches(bounds, event->region())) continue;
      // Only the round dots are smoothed; wires stay sharp-edged.
      painter.setRenderHint(QPainter::Antialiasing, true);
      painter.setPen(QPen(windowText, border));
      painter.setBrush(shape->FilledBlack() ? QBrush(windowText) : QBrush(Qt::NoBrush));
      const double half = border / 2.0;
      painter.drawEllipse(QRectF(bounds).adjusted(half, half, -half, -half));
      painter.setRenderHint(QPainter::Antialiasing, false);
      continue;
    }
    if (shape->FilledBlack()) painter.fillRect(bounds, windowText);
    const QPoint a = bounds.topLeft(), b = bounds.topRight(), c = bounds.bottomRight(),
                 d = bounds.bottomLeft();
    for (auto [from, to] : {std::pair{a, b}, {d, c}, {a, d}, {b, c}})
      DrawLine(painter, event->region(), from, to, border, windowText);
  }

  for (const zentavo::Line* line : lines_) {
    if (!line->Visible()) continue;
    const QColor colour = line->LineColour() ? ShownWire(*line->LineColour()) : windowText;
    DrawLine(painter, event->region(), QPoint(Pixels(line->X1()), Pixels(line->Y1())),
             QPoint(Pixels(line->X2()), Pixels(line->Y2())), line->BorderWidth(), colour);
  }
}

}  // namespace zentavo
