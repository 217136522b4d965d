#include "circuit_controls.h"

namespace zentavo {

CircuitControls::CircuitControls() {
  for (auto& box : txtRp) {
    box.SetMaxLength(6);
    box.SetText("0");
  }
  for (auto& box : cboRp) box.SetEntries({"Ohm", "kOhm", "MOhm"});
  cboRezP.SetEntries({"2", "3", "4"});
  // An ordinary line edit's limit: room for any number, and short enough that every key, paste
  // and redraw of the longest text stays instant.
  txtIpt.SetMaxLength(32767);
  txtIpt.SetText("0");
  cboIpt.SetEntries({"uA", "mA", "A"});
  lblUMr.SetCaption("Ohm");
  txtUpt.SetText("0");
  for (auto* results : {&txtRpt, &txtUpt, &txtUMU}) results->SetReadOnly(true);
  for (auto* row : {&txtIp, &txtUMI, &txtPp, &txtUMW})
    for (auto& box : *row) box.SetReadOnly(true);
}

}  // namespace zentavo
