#include "design_palette.h"

#include "frm_zentavo.h"
#include "qt_conversions.h"

namespace zentavo {
namespace {

struct RoleColour {
  QPalette::ColorRole role;
  QColor active;    // and inactive
  QColor disabled;  // nothing is disabled, but a complete palette leaves no role to a theme
};

// The light look the layout was drawn in, as the Fusion style shows it on a light desktop; the
// ink is the design's.
QPalette LightPalette(const QColor& ink) {
  const QColor grey(239, 239, 239);
  const QColor dimmed(190, 190, 190);
  const RoleColour roles[] = {
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
  };
  QPalette palette;
  // Setting every role makes it the window's own: a child widget then takes it from the window
  // instead of from the theme's palette for its class.
  for (const RoleColour& entry : roles) {
    palette.setColor(QPalette::Active, entry.role, entry.active);
    palette.setColor(QPalette::Inactive, entry.role, entry.active);
    palette.setColor(QPalette::Disabled, entry.role, entry.disabled);
  }
  return palette;
}

}  // namespace

QPalette DesignPalette() {
  return LightPalette(ToQColor(design::kInk));
}

}  // namespace zentavo
