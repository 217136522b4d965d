#include "design_palette.h"

#include <QWidget>

#include "frm_zentavo.h"
#include "qt_conversions.h"

namespace zentavo {
namespace {

struct RoleColour {
  QPalette::ColorRole role;
  QColor active;    // and inactive
  QColor disabled;  // nothing is disabled, but a complete palette leaves no role to a theme
};

// Setting every role makes it the window's own: a child widget then takes it from the window
// instead of from the theme's palette for its class.
QPalette Complete(std::initializer_list<RoleColour> roles) {
  QPalette palette;
  for (const RoleColour& entry : roles) {
    palette.setColor(QPalette::Active, entry.role, entry.active);
    palette.setColor(QPalette::Inactive, entry.role, entry.active);
    palette.setColor(QPalette::Disabled, entry.role, entry.disabled);
  }
  return palette;
}

// The light look the layout was drawn in, as the Fusion style shows it on a light desktop; the
// ink is the design's.
QPalette LightPalette(const QColor& ink) {
  const QColor grey(239, 239, 239);
  const QColor dimmed(190, 190, 190);
  return Complete({
      {QPalette::WindowText, ink, dimmed},
      {QPalette::Button, grey, grey},
      {QPalette::Light, QColor(255, 255, 255), QColor(255, 255, 255)},
      {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
      {QPalette::Dark, QColor(159, 159, 159), dimmed},
      {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
      {QPalette::Text, ink, dimmed},
      {QPalette::BrightText, QColor(255, 255, 255), QColor(255, 255, 255)},
      {QPalette::ButtonText, ink, dimmed},
      {QPalette::Base, QColor(255, 255, 255), grey},
      {QPalette::Window, grey, grey},
      {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
      {QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145)},
      {QPalette::HighlightedText, QColor(255, 255, 255), QColor(255, 255, 255)},
      {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
      {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
      {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
      {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
      {QPalette::ToolTipText, ink, ink},
      {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
  });
}

// Ink on paper and nothing between: selections are the ink with the paper's text.
QPalette HighContrastPalette(const QColor& ink, const QColor& paper) {
  return Complete({
      {QPalette::WindowText, ink, ink},
      {QPalette::Button, paper, paper},
      {QPalette::Light, paper, paper},
      {QPalette::Midlight, paper, paper},
      {QPalette::Dark, ink, ink},
      {QPalette::Mid, ink, ink},
      {QPalette::Text, ink, ink},
      {QPalette::BrightText, paper, paper},
      {QPalette::ButtonText, ink, ink},
      {QPalette::Base, paper, paper},
      {QPalette::Window, paper, paper},
      {QPalette::Shadow, ink, ink},
      {QPalette::Highlight, ink, ink},
      {QPalette::HighlightedText, paper, paper},
      {QPalette::Link, ink, ink},
      {QPalette::LinkVisited, ink, ink},
      {QPalette::AlternateBase, paper, paper},
      {QPalette::ToolTipBase, paper, paper},
      {QPalette::ToolTipText, ink, ink},
      {QPalette::PlaceholderText, ink, ink},
  });
}

bool Inverse(Contrast contrast) {
  return contrast == Contrast::HighInverse;
}
QColor Paper(Contrast contrast) {
  return Inverse(contrast) ? QColor(0, 0, 0) : QColor(255, 255, 255);
}
QColor Ink(Contrast contrast) {
  return Inverse(contrast) ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

Contrast usedContrast = Contrast::Design;

}  // namespace

Contrast AskedContrast(const QString& gtkTheme, const QPalette& desktop) {
  const QString theme = gtkTheme.section(':', 0, 0);
  const bool darkVariant = gtkTheme.section(':', 1).compare("dark", Qt::CaseInsensitive) == 0;
  if (theme.compare("HighContrastInverse", Qt::CaseInsensitive) == 0) return Contrast::HighInverse;
  if (theme.compare("HighContrast", Qt::CaseInsensitive) == 0)
    return darkVariant ? Contrast::HighInverse : Contrast::High;
  const QColor window = desktop.color(QPalette::Window);
  const QColor text = desktop.color(QPalette::WindowText);
  if (window == Qt::white && text == Qt::black) return Contrast::High;
  if (window == Qt::black && text == Qt::white) return Contrast::HighInverse;
  return Contrast::Design;
}

Contrast UsedContrast() {
  return usedContrast;
}

void UseContrast(Contrast contrast) {
  usedContrast = contrast;
}

QPalette DesignPalette() {
  if (usedContrast == Contrast::Design) return LightPalette(ToQColor(design::kInk));
  return HighContrastPalette(Ink(usedContrast), Paper(usedContrast));
}

QColor ShownBackground(Colour design) {
  return usedContrast == Contrast::Design ? ToQColor(design) : Paper(usedContrast);
}

QColor ShownWire(Colour design) {
  return usedContrast == Contrast::Design ? ToQColor(design) : Ink(usedContrast);
}

void OutlineInInk(QWidget& control) {
  if (usedContrast == Contrast::Design) return;
  QPalette palette = control.palette();
  palette.setColor(QPalette::Window, Ink(usedContrast));
  control.setPalette(palette);
}

}  // namespace zentavo
