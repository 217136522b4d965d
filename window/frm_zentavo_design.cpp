// The window as it is designed: laid out for four resistors, before start-up fills it in.
#include "frm_zentavo.h"

namespace zentavo {
namespace {

using namespace design;

void Box(TextBox& box, int left, int top, int width, int height, int tabIndex, Colour colour,
         Alignment alignment) {
  box.Place(left, top, width, height);
  box.SetTabIndex(tabIndex);
  box.SetBackColour(colour);
  box.SetAlignment(alignment);
}

void ResultBox(TextBox& box, int left, int top, int width, int height, int tabIndex, Colour colour,
               Alignment alignment) {
  Box(box, left, top, width, height, tabIndex, colour, alignment);
  box.SetReadOnly(true);
  box.SetTabStop(false);
}

void List(ComboBox& box, int left, int top, int width, int tabIndex) {
  box.Place(left, top, width, 360);
  box.SetTabIndex(tabIndex);
}

void Caption(Label& label, int left, int top, int width, int height, std::string caption,
             const Font& font, Alignment alignment, int tabIndex) {
  label.Place(left, top, width, height);
  label.SetCaption(std::move(caption));
  label.SetFont(font);
  label.SetAlignment(alignment);
  label.SetTabIndex(tabIndex);
}

}  // namespace

void frmZentavo::BuildDesign() {
  frm.SetCaption(" Zentavo ");
  frm.Place(0, 0, 10335 + 2 * Window::kDecorationSide, 5145);
  frm.SetBackColour(kWindowGrey);
  frm.SetFont(kWindowFont);

  fraParalel.Place(120, 120, 10095, 4500);
  fraParalel.SetTabIndex(12);
  fraParalel.SetBackColour(kWindowGrey);

  List(cboRezP, 3240, 300, 735, 0);
  ResultBox(txtRpt, 7320, 300, 1095, 375, 31, kResultYellow, Alignment::Right);
  for (int i = 0; i < kResistorRows; ++i) {
    const int top = 1020 + 720 * i;
    Box(txtRp(i), 1080, top, 975, 360, 1 + 2 * i, kInputGreen, Alignment::Right);
    List(cboRp(i), 2040, top, 1095, 2 + 2 * i);
    const int resultTab = 30 - 4 * i;
    ResultBox(txtPp(i), 3120, top, 975, 375, resultTab, kResultYellow, Alignment::Right);
    ResultBox(txtUMW(i), 4080, top, 615, 375, resultTab - 1, kWindowGrey, Alignment::Left);
    ResultBox(txtIp(i), 4680, top, 975, 375, resultTab - 2, kResultYellow, Alignment::Right);
    ResultBox(txtUMI(i), 5640, top, 615, 375, resultTab - 3, kWindowGrey, Alignment::Left);
  }
  Box(txtIpt, 7440, 1380, 975, 375, 9, kInputGreen, Alignment::Right);
  List(cboIpt, 8400, 1380, 1095, 10);
  ResultBox(txtUpt, 2760, 4020, 975, 375, 14, kResultYellow, Alignment::Right);
  ResultBox(txtUMU, 3720, 4020, 1095, 360, 13, kWindowGrey, Alignment::Left);
  cmdClear.Place(8400, 3960, 1455, 375);
  cmdClear.SetTabIndex(11);
  cmdClear.SetCaption("Sterge valori");
  cmdClear.SetBackColour(kWindowGrey);

  Caption(lblP, 120, 360, 3120, 240, "Numărul rezistoarelor în paralel:", kWindowFont,
          Alignment::Left, 38);
  Caption(lblEticheteP(3), 5520, 360, 1800, 240, "Rezistenta totală:", kWindowFont,
          Alignment::Centre, 34);
  Caption(lblUMr, 8640, 360, 435, 240, "Ohm", kWindowFont, Alignment::Left, 39);
  Caption(lblEticheteP(0), 1725, 720, 900, 195, "Rezistenta", kCaptionFont, Alignment::Centre, 37);
  Caption(lblEticheteP(1), 3120, 720, 1380, 195, "Puterea disipată", kCaptionFont,
          Alignment::Centre, 36);
  Caption(lblEticheteP(2), 4695, 720, 1680, 195, "Curent prin ramură", kCaptionFont,
          Alignment::Centre, 35);
  Caption(lblEticheteP(4), 7680, 1080, 1530, 195, "Curentul în circuit", kCaptionFont,
          Alignment::Centre, 33);
  Caption(lblTarvik, 8040, 2040, 900, 270, "Tarvik", kSignatureFont, Alignment::Left, 40);
  Caption(lblEticheteP(5), 2880, 3720, 1800, 195, "Căderea de tensiune", kCaptionFont,
          Alignment::Centre, 32);

  for (int j = 0; j < 3; ++j) {
    shaP(j).Place(480, 1200 + 720 * j, 6495, 735);
    shaP(j).SetLook(ShapeForm::Rectangle, 2, false);
  }
  for (int i = 0; i < kResistorRows; ++i) {
    shaRez(i).Place(1060, 1005 + 720 * i, 5225, 420);
    shaRez(i).SetLook(ShapeForm::Rectangle, 2, false);
  }
  shaDot(0).Place(6900, 1500, 135, 135);
  shaDot(1).Place(420, 1500, 135, 135);
  for (auto& dot : shaDot) dot.SetLook(ShapeForm::Circle, 1, true);

  linP1.Draw(480, 1560, 120, 1560);
  linP2.Draw(6960, 1560, 9840, 1560);
  linP3(0).Draw(480, 3840, 480, 4200);
  linP3(1).Draw(6960, 3840, 6960, 4200);
  linP4(0).Draw(480, 4200, 2400, 4200);
  linP4(1).Draw(5160, 4200, 6960, 4200);
  for (auto* supply : {&linP1, &linP2}) supply->SetLook(2, std::nullopt);
  for (auto* leads : {&linP3, &linP4})
    for (auto& lead : *leads) lead.SetLook(1, kLeadBlue);
}

std::vector<Control*> frmZentavo::Controls() {
  std::vector<Control*> all{&frm, &fraParalel, &cboRezP, &txtRpt};
  auto add = [&all](auto& array) {
    for (auto& member : array) all.push_back(&member);
  };
  add(txtRp);
  add(cboRp);
  add(txtPp);
  add(txtUMW);
  add(txtIp);
  add(txtUMI);
  for (Control* single : std::initializer_list<Control*>{&txtIpt, &cboIpt, &txtUpt, &txtUMU,
                                                         &cmdClear, &lblP, &lblUMr, &lblTarvik})
    all.push_back(single);
  add(lblEticheteP);
  add(shaP);
  add(shaRez);
  add(shaDot);
  all.push_back(&linP1);
  all.push_back(&linP2);
  add(linP3);
  add(linP4);
  return all;
}

}  // namespace zentavo
