#include "plain_frame_style.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace zentavo {
namespace {

// Fusion's colours for its frames, worked out from the palette as Fusion does.
QColor Outline(const QPalette& palette) {
  return palette.window().color().darker(140);
}

QColor HighlightedOutline(const QPalette& palette) {
  QColor outline = palette.color(QPalette::Highlight).darker(125);
  constexpr int kBrightest = 160;
  if (outline.value() > kBrightest) outline.setHsl(outline.hue(), outline.saturation(), kBrightest);
  return outline;
}

QColor ButtonColour(const QPalette& palette) {
  QColor colour = palette.button().color();
  const int grey = qGray(colour.rgb());
  colour = colour.lighter(100 + qMax(1, (180 - grey) / 6));
  colour.setHsv(colour.hue(), static_cast<int>(colour.saturation() * 0.75), colour.value());
  return colour;
}

QColor Merged(const QColor& a, const QColor& b, int percentOfA) {
  auto mix = [&](int x, int y) { return (x * percentOfA) / 100 + (y * (100 - percentOfA)) / 100; };
  QColor merged = a;
  merged.setRed(mix(a.red(), b.red()));
  merged.setGreen(mix(a.green(), b.green()));
  merged.setBlue(mix(a.blue(), b.blue()));
  return merged;
}

const QColor kTopShadow(0, 0, 0, 18);
const QColor kInnerContrast(255, 255, 255, 30);

// A rectangle's outermost ring of pixels, each pixel painted once.
void Ring(QPainter& painter, const QRect& r, const QColor& colour) {
  if (r.width() < 1 || r.height() < 1) return;
  painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
  if (r.height() < 2) return;
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
  const QRect sides(r.left(), r.top() + 1, 1, r.height() - 2);
  painter.fillRect(sides, colour);
  if (r.width() > 1) painter.fillRect(sides.translated(r.width() - 1, 0), colour);
}

void LineEditFrame(const QStyleOption& option, QPainter& painter) {
  const QRect& r = option.rect;
  const bool hasFocus = option.state & QStyle::State_HasFocus;
  const QColor outline = hasFocus ? HighlightedOutline(option.palette) : Outline(option.palette);
  Ring(painter, r, outline);
  if (hasFocus) {
    QColor soft = outline;
    soft.setAlpha(40);
    Ring(painter, r.adjusted(1, 1, -1, -1), soft);
  }
  painter.fillRect(QRect(QPoint(r.left() + 2, r.top() + 1), QPoint(r.right() - 2, r.top() + 1)),
                   kTopShadow);
}

void ButtonPanel(const QStyleOption& option, QPainter& painter) {
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option);
  const QStyle::State state = option.state;
  const bool enabled = state & QStyle::State_Enabled;
  const bool isDefault =
      button != nullptr && (button->features & QStyleOptionButton::DefaultButton) && enabled;
  const bool down = state & (QStyle::State_Sunken | QStyle::State_On);
  const bool keyboardFocus =
      (state & QStyle::State_HasFocus) && (state & QStyle::State_KeyboardFocusChange);
  const QColor highlighted = HighlightedOutline(option.palette);
  QColor colour = ButtonColour(option.palette);
  if (isDefault) colour = Merged(colour, highlighted.lighter(130), 90);
  const QColor outline = keyboardFocus || isDefault ? highlighted : Outline(option.palette);

  const QRect& r = option.rect;
  if (down) {
    painter.fillRect(r, colour.darker(110));
  } else {
    // Fusion's gradient runs from the top row to the bottom one, half a pixel up.
    const QColor base = enabled && (state & QStyle::State_MouseOver) ? colour : colour.darker(104);
    const qreal x = r.center().x();
    QLinearGradient gradient(x, r.top() - 0.5, x, r.bottom() - 0.5);
    gradient.setColorAt(0, base.lighter(124));
    gradient.setColorAt(1, base.lighter(102));
    painter.fillRect(r, gradient);
  }
  Ring(painter, r, enabled ? outline : outline.lighter(115));
  Ring(painter, r.adjusted(1, 1, -1, -1), kInnerContrast);
}

bool PaintsWholeRectangle(const QWidget* widget) {
  if (const auto* box = qobject_cast<const QLineEdit*>(widget)) return box->hasFrame();
  if (const auto* list = qobject_cast<const QComboBox*>(widget))
    return list->hasFrame() && !list->isEditable();
  return false;
}

}  // namespace

PlainFrameStyle::PlainFrameStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

void PlainFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
  const bool flat = button != nullptr && (button->features & QStyleOptionButton::Flat);
  if (element == PE_FrameLineEdit) {
    LineEditFrame(*option, *painter);
  } else if (element == PE_PanelButtonCommand && !flat) {
    ButtonPanel(*option, *painter);
  } else {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

void PlainFrameStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (PaintsWholeRectangle(widget)) widget->setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlainFrameStyle::unpolish(QWidget* widget) {
  if (PaintsWholeRectangle(widget)) widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
  QProxyStyle::unpolish(widget);
}

}  // namespace zentavo
