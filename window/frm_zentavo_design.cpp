// The window as it is designed: laid out for four resistors, before start-up fills it in. One row
// of the table per control holds all of its design; the order of the controls and the tab order
// are the table's too.
#include <algorithm>
#include <optional>

#include "frm_zentavo.h"

namespace zentavo {
namespace {

using namespace design;

// Where a control stands, in twips: left, top, width and height, or a line's X1, Y1, X2 and Y2.
struct Place {
  int a = 0, b = 0, c = 0, d = 0;
};

enum Flags : unsigned {
  kNone = 0,
  kReadOnly = 1,  // the user cannot change the text, nor does Tab stop in the box
};

struct DesignRow {
  Control* control = nullptr;
  Place place{};
  std::optional<int> tabIndex{};
  std::string text{};  // a box's text; a window's, label's or button's caption
  std::vector<std::string> entries{};
  std::optional<Colour> back{};
  std::optional<Font> font{};
  Alignment alignment = Alignment::Left;
  unsigned flags = kNone;
  std::size_t maxLength = 0;  // characters; 0 for none
  int border = 1;             // pixels, of a shape or line
  ShapeForm form = ShapeForm::Rectangle;
  bool filledBlack = false;
  std::optional<Colour> lineColour{};  // empty: the ink
};

const std::vector<std::string> kResistorUnits{"Ohm", "kOhm", "MOhm"};
const std::vector<std::string> kCurrentUnits{"uA", "mA", "A"};
const std::vector<std::string> kCounts{"2", "3", "4"};

void Apply(const DesignRow& row) {
  Control& control = *row.control;
  if (row.tabIndex) control.SetTabIndex(*row.tabIndex);
  if (row.back) control.SetBackColour(*row.back);
  if (row.font) control.SetFont(*row.font);
  Visit(control, Overloaded{[&](Line& line) {
                              line.Draw(row.place.a, row.place.b, row.place.c, row.place.d);
                              line.SetLook(row.border, row.lineColour);
                            },
                            [&](Control& other) {
                              other.Place(row.place.a, row.place.b, row.place.c, row.place.d);
                            }});
  Visit(control,
        Overloaded{[&](Window& window) { window.SetCaption(row.text); },
                   [&](TextBox& box) {
                     box.SetAlignment(row.alignment);
                     box.SetReadOnly(row.flags & kReadOnly);
                     box.SetTabStop(!(row.flags & kReadOnly));
                     box.SetMaxLength(row.maxLength);
                     box.SetText(row.text);
                   },
                   [&](ComboBox& list) { list.SetEntries(row.entries); },
                   [&](Label& label) {
                     label.SetCaption(row.text);
                     label.SetAlignment(row.alignment);
                   },
                   [&](CommandButton& button) { button.SetCaption(row.text); },
                   [&](Shape& shape) { shape.SetLook(row.form, row.border, row.filledBlack); },
                   [](Control&) {}});
}

}  // namespace

void frmZentavo::BuildDesign() {
  const auto box = [](TextBox& control, Place place, int tab, Colour back, Alignment alignment,
                      unsigned flags = kNone) {
    return DesignRow{.control = &control,
                     .place = place,
                     .tabIndex = tab,
                     .back = back,
                     .alignment = alignment,
                     .flags = flags};
  };
  const auto list = [](ComboBox& control, Place place, int tab,
                       const std::vector<std::string>& entries) {
    return DesignRow{.control = &control, .place = place, .tabIndex = tab, .entries = entries};
  };
  const auto caption = [](Label& control, Place place, std::string text, const Font& font,
                          Alignment alignment, int tab) {
    return DesignRow{.control = &control,
                     .place = place,
                     .tabIndex = tab,
                     .text = std::move(text),
                     .font = font,
                     .alignment = alignment};
  };
  const auto rectangle = [](Shape& control, Place place) {
    return DesignRow{.control = &control, .place = place, .border = 2};
  };
  const auto dot = [](Shape& control, Place place) {
    return DesignRow{
        .control = &control, .place = place, .form = ShapeForm::Circle, .filledBlack = true};
  };
  const auto line = [](Line& control, Place ends, int width, std::optional<Colour> colour) {
    return DesignRow{.control = &control, .place = ends, .border = width, .lineColour = colour};
  };

  std::vector<DesignRow> table{
      {.control = &frm,
       .place = {0, 0, 10335 + 2 * Window::kDecorationSide, kFourRowLowerGroup.windowHeight},
       .text = " Zentavo ",
       .back = kWindowGrey,
       .font = kWindowFont},
      {.control = &fraParalel,
       .place = {120, 120, 10095, kFourRowLowerGroup.frameHeight},
       .tabIndex = 12,
       .back = kWindowGrey},
      list(cboRezP, {3240, 300, 735, 360}, 0, kCounts),
      box(txtRpt, {7320, 300, 1095, 375}, 31, kResultYellow, Alignment::Right, kReadOnly),
  };
  for (int i = 0; i < kResistorRows; ++i) {
    const int top = 1020 + kRowPitch * i;
    const int resultTab = 30 - 4 * i;
    DesignRow value =
        box(txtRp(i), {1080, top, 975, 360}, 1 + 2 * i, kInputGreen, Alignment::Right);
    value.text = "0";
    value.maxLength = 6;
    table.push_back(value);
    table.push_back(list(cboRp(i), {2040, top, 1095, 360}, 2 + 2 * i, kResistorUnits));
    table.push_back(box(txtPp(i), {3120, top, 975, 375}, resultTab, kResultYellow, Alignment::Right,
                        kReadOnly));
    table.push_back(box(txtUMW(i), {4080, top, 615, 375}, resultTab - 1, kWindowGrey,
                        Alignment::Left, kReadOnly));
    table.push_back(box(txtIp(i), {4680, top, 975, 375}, resultTab - 2, kResultYellow,
                        Alignment::Right, kReadOnly));
    table.push_back(box(txtUMI(i), {5640, top, 615, 375}, resultTab - 3, kWindowGrey,
                        Alignment::Left, kReadOnly));
  }
  DesignRow current = box(txtIpt, {7440, 1380, 975, 375}, 9, kInputGreen, Alignment::Right);
  current.text = "0";
  // An ordinary line edit's limit: room for any number, and short enough that every key, paste
  // and redraw of the longest text stays instant.
  current.maxLength = 32767;
  table.push_back(current);
  table.push_back(list(cboIpt, {8400, 1380, 1095, 360}, 10, kCurrentUnits));
  DesignRow voltage = box(txtUpt, {2760, kFourRowLowerGroup.voltageTop, 975, 375}, 14,
                          kResultYellow, Alignment::Right, kReadOnly);
  voltage.text = "0";
  table.push_back(voltage);
  table.push_back(box(txtUMU, {3720, kFourRowLowerGroup.voltageTop, 1095, 360}, 13, kWindowGrey,
                      Alignment::Left, kReadOnly));
  table.push_back({.control = &cmdClear,
                   .place = {8400, kFourRowLowerGroup.buttonTop, 1455, 375},
                   .tabIndex = 11,
                   .text = "Sterge valori",
                   .back = kWindowGrey});

  table.push_back(caption(lblP, {120, 360, 3120, 240},
                          "Numărul rezistoarelor în paralel:", kWindowFont, Alignment::Left, 38));
  table.push_back(caption(lblUMr, {8640, 360, 435, 240}, "Ohm", kWindowFont, Alignment::Left, 39));
  table.push_back(
      caption(lblTarvik, {8040, 2040, 900, 270}, "Tarvik", kSignatureFont, Alignment::Left, 40));
  const Place captionPlaces[] = {
      {1725, 720, 900, 195},   {3120, 720, 1380, 195},
      {4695, 720, 1680, 195},  {5520, 360, 1800, 240},
      {7680, 1080, 1530, 195}, {2880, kFourRowLowerGroup.captionTop, 1800, 195}};
  const char* const captions[] = {
      "Rezistenta",         "Puterea disipată",    "Curent prin ramură",
      "Rezistenta totală:", "Curentul în circuit", "Căderea de tensiune"};
  for (int j = 0; j < decltype(lblEticheteP)::Count(); ++j) {
    const auto k = static_cast<std::size_t>(j);
    table.push_back(caption(lblEticheteP(j), captionPlaces[k], captions[k],
                            j == kTotalResistanceCaption ? kWindowFont : kCaptionFont,
                            Alignment::Centre, 37 - j));
  }

  for (int j = 0; j < decltype(shaP)::Count(); ++j)
    table.push_back(rectangle(shaP(j), {480, 1200 + kRowPitch * j, 6495, 735}));
  for (int i = 0; i < kResistorRows; ++i)
    table.push_back(rectangle(shaRez(i), {1060, 1005 + kRowPitch * i, 5225, 420}));
  table.push_back(dot(shaDot(0), {6900, 1500, 135, 135}));
  table.push_back(dot(shaDot(1), {420, 1500, 135, 135}));

  table.push_back(line(linP1, {480, 1560, 120, 1560}, 2, std::nullopt));
  table.push_back(line(linP2, {6960, 1560, 9840, 1560}, 2, std::nullopt));
  const auto [leadTop, leadBottom] =
      std::pair(kFourRowLowerGroup.leadTop, kFourRowLowerGroup.leadBottom);
  table.push_back(line(linP3(0), {480, leadTop, 480, leadBottom}, 1, kLeadBlue));
  table.push_back(line(linP3(1), {6960, leadTop, 6960, leadBottom}, 1, kLeadBlue));
  table.push_back(line(linP4(0), {480, leadBottom, 2400, leadBottom}, 1, kLeadBlue));
  table.push_back(line(linP4(1), {5160, leadBottom, 6960, leadBottom}, 1, kLeadBlue));

  for (const DesignRow& row : table) {
    Apply(row);
    controls_.push_back(row.control);
  }
}

std::vector<Control*> frmZentavo::Controls() {
  return controls_;
}

frmZentavo::Focus frmZentavo::FocusOf(const Control& control) {
  return Visit(control, Overloaded{[](const TextBox& box) {
                                     return box.TabStop() ? Focus::TabAndClick : Focus::ClickOnly;
                                   },
                                   [](const ComboBox&) { return Focus::TabAndClick; },
                                   [](const CommandButton&) { return Focus::TabAndClick; },
                                   [](const Control&) { return Focus::Never; }});
}

std::vector<Control*> frmZentavo::TabOrder() {
  std::vector<Control*> order;
  for (Control* control : controls_)
    if (control->TabIndex() && FocusOf(*control) == Focus::TabAndClick) order.push_back(control);
  std::ranges::sort(order, {}, [](const Control* control) { return *control->TabIndex(); });
  return order;
}

}  // namespace zentavo
