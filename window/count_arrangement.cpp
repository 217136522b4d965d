// Shows the rows and wire loops of the chosen resistor count and moves the lower group with them.
#include <array>

#include "frm_zentavo.h"

namespace zentavo {
namespace {

// Vertical geometry of one count, in twips: each value is the four-resistor design value less one
// row pitch of 720 for every resistor fewer than four.
struct CountGeometry {
  int frameHeight, windowHeight, captionTop, voltageTop, leadTop, leadBottom, buttonTop;
};

constexpr std::array<CountGeometry, 3> kGeometry{{
    {3060, 3705, 2280, 2580, 2400, 2760, 2520},  // 2 resistors
    {3780, 4425, 3000, 3300, 3120, 3480, 3240},  // 3 resistors
    {4500, 5145, 3720, 4020, 3840, 4200, 3960},  // 4 resistors
}};

}  // namespace

void frmZentavo::ArrangeForCount() {
  for (int j = 0; j <= 2; ++j) shaP(j).SetVisible(false);

  const std::string& t = cboRezP.Text();
  int n = 0;
  if (t == "2") {
    n = 2;
  } else if (t == "3") {
    n = 3;
  } else if (t == "4") {
    n = 4;
  } else {
    return;
  }

  for (int j = 0; j <= n - 2; ++j) shaP(j).SetVisible(true);
  for (int i = 0; i <= 3; ++i) {
    const bool inUse = i < n;
    for (Control* control : std::initializer_list<Control*>{
             &txtRp(i), &cboRp(i), &txtPp(i), &txtUMW(i), &txtIp(i), &txtUMI(i), &shaRez(i)})
      control->SetVisible(inUse);
  }

  const CountGeometry& g = kGeometry[static_cast<std::size_t>(n - 2)];
  fraParalel.SetHeight(g.frameHeight);
  frm.SetHeight(g.windowHeight);
  lblEticheteP(5).SetTop(g.captionTop);
  txtUpt.SetTop(g.voltageTop);
  txtUMU.SetTop(g.voltageTop);
  for (auto& lead : linP3) {
    lead.SetY1(g.leadTop);
    lead.SetY2(g.leadBottom);
  }
  for (auto& lead : linP4) {
    lead.SetY1(g.leadBottom);
    lead.SetY2(g.leadBottom);
  }
  cmdClear.SetTop(g.buttonTop);
}

}  // namespace zentavo
