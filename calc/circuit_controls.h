// The controls that the calculation reads its inputs from and writes its results into; the
// window's design gives them their look, lists and first texts.
#pragma once

#include "control_model.h"

namespace zentavo {

constexpr int kResistorRows = 4;

struct CircuitControls {
  ControlArray<TextBox, kResistorRows> txtRp{"txtRp"};
  ControlArray<ComboBox, kResistorRows> cboRp{"cboRp"};
  ComboBox cboRezP{"cboRezP"};
  TextBox txtIpt{"txtIpt"};
  ComboBox cboIpt{"cboIpt"};
  TextBox txtRpt{"txtRpt"};
  Label lblUMr{"lblUMr"};
  TextBox txtUpt{"txtUpt"};
  TextBox txtUMU{"txtUMU"};
  ControlArray<TextBox, kResistorRows> txtIp{"txtIp"};
  ControlArray<TextBox, kResistorRows> txtUMI{"txtUMI"};
  ControlArray<TextBox, kResistorRows> txtPp{"txtPp"};
  ControlArray<TextBox, kResistorRows> txtUMW{"txtUMW"};
  ControlArray<Label, 6> lblEticheteP{"lblEticheteP"};
};

}  // namespace zentavo
