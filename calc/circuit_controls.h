// The controls that the calculation reads its inputs from and writes its results into; the
// window's design gives them their look, lists and first texts.
#pragma once

#include "control_model.h"

namespace zentavo {

constexpr int kResistorRows = 4;

// The names are Romanian abbreviations: Rp a resistor in parallel, Rpt the total resistance, Ipt
// the total current, Upt the voltage, Pp a power, Ip a branch current, RezP the resistor count,
// UM a unit of measure (unitate de măsură), EticheteP the captions (etichete).
struct CircuitControls {
  ControlArray<TextBox, kResistorRows> txtRp{"txtRp"};    // each resistor's value, typed
  ControlArray<ComboBox, kResistorRows> cboRp{"cboRp"};   // each resistor's unit: Ohm, kOhm, MOhm
  ComboBox cboRezP{"cboRezP"};                            // how many resistors: 2, 3 or 4
  TextBox txtIpt{"txtIpt"};                               // the total current, typed
  ComboBox cboIpt{"cboIpt"};                              // the total current's unit: uA, mA, A
  TextBox txtRpt{"txtRpt"};                               // the total resistance
  Label lblUMr{"lblUMr"};                                 // the total resistance's unit
  TextBox txtUpt{"txtUpt"};                               // the voltage across the group
  TextBox txtUMU{"txtUMU"};                               // the voltage's unit
  ControlArray<TextBox, kResistorRows> txtIp{"txtIp"};    // the current of each branch
  ControlArray<TextBox, kResistorRows> txtUMI{"txtUMI"};  // the unit of each branch's current
  ControlArray<TextBox, kResistorRows> txtPp{"txtPp"};    // the power of each branch
  ControlArray<TextBox, kResistorRows> txtUMW{"txtUMW"};  // the unit of each branch's power
  ControlArray<Label, 6> lblEticheteP{"lblEticheteP"};    // the captions, by the members below
};

// The caption labels' members: the three column captions over the rows, then the captions of the
// total resistance, the total current and the voltage.
enum Caption : int {
  kResistanceCaption,
  kPowerCaption,
  kBranchCurrentCaption,
  kTotalResistanceCaption,
  kTotalCurrentCaption,
  kVoltageCaption,
};

}  // namespace zentavo
