// Shows the rows and wire loops of the chosen resistor count and moves the lower group with them.
#include <initializer_list>

#include "frm_zentavo.h"

namespace zentavo {

void frmZentavo::ArrangeForCount() {
  for (auto& loop : shaP) loop.SetVisible(false);

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
  for (int i = 0; i < kResistorRows; ++i) {
    const bool inUse = i < n;
    for (Control* control : std::initializer_list<Control*>{
             &txtRp(i), &cboRp(i), &txtPp(i), &txtUMW(i), &txtIp(i), &txtUMI(i), &shaRez(i)})
      control->SetVisible(inUse);
  }

  // The lower group moves up by one row pitch for every row not in use.
  const int up = design::kRowPitch * (kResistorRows - n);
  const design::LowerGroup& g = design::kFourRowLowerGroup;
  fraParalel.SetHeight(g.frameHeight - up);
  frm.SetHeight(g.windowHeight - up);
  lblEticheteP(kVoltageCaption).SetTop(g.captionTop - up);
  txtUpt.SetTop(g.voltageTop - up);
  txtUMU.SetTop(g.voltageTop - up);
  for (auto& lead : linP3) {
    lead.SetY1(g.leadTop - up);
    lead.SetY2(g.leadBottom - up);
  }
  for (auto& lead : linP4) {
    lead.SetY1(g.leadBottom - up);
    lead.SetY2(g.leadBottom - up);
  }
  cmdClear.SetTop(g.buttonTop - up);
}

}  // namespace zentavo
