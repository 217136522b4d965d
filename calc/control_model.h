// The controls that hold all of the calculator's state, independent of any widget toolkit.
//
// Assigning a text or choice raises the control's change or click handler synchronously, nested
// inside the assignment, as a user edit would. Watchers (the on-screen binding) hear of every
// property change before that handler runs.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "failure.h"

namespace zentavo {

enum class Property {
  Text,
  Caption,
  Visible,
  Left,
  Top,
  Width,
  Height,
  X1,
  Y1,
  X2,
  Y2,
  AccessibleDescription
};
enum class ControlKind { Window, Frame, TextBox, ComboBox, Label, CommandButton, Shape, Line };
enum class Alignment { Left, Right, Centre };

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Colour&) const = default;
};

struct Font {
  std::string family;
  double points = 0;
  bool bold = false;
  bool operator==(const Font&) const = default;
};

class Control {
 public:
  using Watcher = std::function<void(Property)>;

  Control(ControlKind kind, std::string name, int index = -1)
      : kind_(kind), name_(std::move(name)), index_(index) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // -1 for a control that is not in an array
  std::string QualifiedName() const;    // "txtRp(0)", "cboRezP"

  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { Assign(visible_, visible, Property::Visible); }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int twips) { Assign(left_, twips, Property::Left); }
  void SetTop(int twips) { Assign(top_, twips, Property::Top); }
  void SetWidth(int twips) { Assign(width_, twips, Property::Width); }
  void SetHeight(int twips) { Assign(height_, twips, Property::Height); }
  void Place(int left, int top, int width, int height);

  // Design values, fixed once the window is built.
  std::optional<int> TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index) { tabIndex_ = index; }
  std::optional<Colour> BackColour() const { return backColour_; }  // empty: platform default
  void SetBackColour(Colour colour) { backColour_ = colour; }
  std::optional<Font> OwnFont() const { return font_; }  // empty: the window's font
  void SetFont(Font font) { font_ = std::move(font); }
  const std::string& AccessibleName() const { return accessibleName_; }  // for screen readers
  void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }
  // What a screen reader adds after the name and value, such as a result's unit; may change.
  const std::string& AccessibleDescription() const { return accessibleDescription_; }
  void SetAccessibleDescription(std::string description) {
    Assign(accessibleDescription_, std::move(description), Property::AccessibleDescription);
  }

  void Watch(Watcher watcher) { watchers_.push_back(std::move(watcher)); }

 protected:
  template <typename T>
  bool Assign(T& field, T value, Property property) {
    if (field == value) return false;
    field = std::move(value);
    for (const auto& watcher : watchers_) watcher(property);
    return true;
  }

 private:
  ControlKind kind_;
  std::string name_;
  int index_;
  bool visible_ = true;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::optional<int> tabIndex_;
  std::optional<Colour> backColour_;
  std::optional<Font> font_;
  std::string accessibleName_;
  std::string accessibleDescription_;
  std::vector<Watcher> watchers_;
};

class TextBox : public Control {
 public:
  explicit TextBox(std::string name, int index = -1)
      : Control(ControlKind::TextBox, std::move(name), index) {}

  const std::string& Text() const { return text_; }
  // Keeps the first MaxLength characters; raises Change when the text differs from before.
  void SetText(std::string text);
  std::function<void()> Change;

  std::size_t MaxLength() const { return maxLength_; }  // 0: no limit
  void SetMaxLength(std::size_t characters) { maxLength_ = characters; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  Alignment TextAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment) { alignment_ = alignment; }

 private:
  std::string text_;
  std::size_t maxLength_ = 0;
  bool readOnly_ = false;
  bool tabStop_ = true;
  Alignment alignment_ = Alignment::Left;
};

// A drop-down list: the user can only pick one of its fixed entries.
class ComboBox : public Control {
 public:
  explicit ComboBox(std::string name, int index = -1)
      : Control(ControlKind::ComboBox, std::move(name), index) {}

  void SetEntries(std::vector<std::string> entries) { entries_ = std::move(entries); }
  int ListCount() const { return static_cast<int>(entries_.size()); }
  const std::string& List(int i) const;         // IndexOutOfRange outside 0..ListCount()-1
  int ListIndex() const { return listIndex_; }  // -1 while the text is no entry

  const std::string& Text() const { return text_; }
  // An entry's text selects that entry; any other text is kept with no entry selected. Raises
  // Click when the text differs from before.
  void SetText(std::string text);
  std::function<void()> Click;

 private:
  std::vector<std::string> entries_;
  std::string text_;
  int listIndex_ = -1;
};

class Label : public Control {
 public:
  explicit Label(std::string name, int index = -1)
      : Control(ControlKind::Label, std::move(name), index) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Assign(caption_, std::move(caption), Property::Caption); }
  Alignment CaptionAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment) { alignment_ = alignment; }

 private:
  std::string caption_;
  Alignment alignment_ = Alignment::Left;
};

class CommandButton : public Control {
 public:
  explicit CommandButton(std::string name) : Control(ControlKind::CommandButton, std::move(name)) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Assign(caption_, std::move(caption), Property::Caption); }
  std::function<void()> Click;

 private:
  std::string caption_;
};

class Frame : public Control {
 public:
  explicit Frame(std::string name) : Control(ControlKind::Frame, std::move(name)) {}
};

enum class ShapeForm { Rectangle, Circle };

class Shape : public Control {
 public:
  explicit Shape(std::string name, int index = -1)
      : Control(ControlKind::Shape, std::move(name), index) {}
  ShapeForm Form() const { return form_; }
  int BorderWidth() const { return borderWidth_; }  // pixels
  bool FilledBlack() const { return filled_; }
  void SetLook(ShapeForm form, int borderWidth, bool filledBlack) {
    form_ = form;
    borderWidth_ = borderWidth;
    filled_ = filledBlack;
  }

 private:
  ShapeForm form_ = ShapeForm::Rectangle;
  int borderWidth_ = 1;
  bool filled_ = false;
};

class Line : public Control {
 public:
  explicit Line(std::string name, int index = -1)
      : Control(ControlKind::Line, std::move(name), index) {}
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  void SetX1(int twips) { Assign(x1_, twips, Property::X1); }
  void SetY1(int twips) { Assign(y1_, twips, Property::Y1); }
  void SetX2(int twips) { Assign(x2_, twips, Property::X2); }
  void SetY2(int twips) { Assign(y2_, twips, Property::Y2); }
  void Draw(int x1, int y1, int x2, int y2);
  int BorderWidth() const { return borderWidth_; }              // pixels
  std::optional<Colour> LineColour() const { return colour_; }  // empty: window-text colour
  void SetLook(int borderWidth, std::optional<Colour> colour) {
    borderWidth_ = borderWidth;
    colour_ = colour;
  }

 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  int borderWidth_ = 1;
  std::optional<Colour> colour_;
};

// The window itself. Its Height is the outer height, title bar and borders included.
class Window : public Control {
 public:
  static constexpr int kDecorationAbove = 390;
  static constexpr int kDecorationBelow = 45;
  static constexpr int kDecorationSide = 45;

  explicit Window(std::string name) : Control(ControlKind::Window, std::move(name)) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Assign(caption_, std::move(caption), Property::Caption); }
  int ClientWidth() const { return Width() - 2 * kDecorationSide; }
  int ClientHeight() const { return Height() - kDecorationAbove - kDecorationBelow; }

 private:
  std::string caption_;
};

// Calls `visit` with the control as the kind of control it is: the one way to tell kinds apart.
template <typename Visitor>
decltype(auto) Visit(Control& control, Visitor&& visit) {
  switch (control.Kind()) {
    case ControlKind::Window:
      return visit(static_cast<Window&>(control));
    case ControlKind::Frame:
      return visit(static_cast<Frame&>(control));
    case ControlKind::TextBox:
      return visit(static_cast<TextBox&>(control));
    case ControlKind::ComboBox:
      return visit(static_cast<ComboBox&>(control));
    case ControlKind::Label:
      return visit(static_cast<Label&>(control));
    case ControlKind::CommandButton:
      return visit(static_cast<CommandButton&>(control));
    case ControlKind::Shape:
      return visit(static_cast<Shape&>(control));
    case ControlKind::Line:
      return visit(static_cast<Line&>(control));
  }
  throw Failure(FailureKind::TypeMismatch);
}

template <typename Visitor>
decltype(auto) Visit(const Control& control, Visitor&& visit) {
  return Visit(const_cast<Control&>(control),
               [&](auto& kind) -> decltype(auto) { return visit(std::as_const(kind)); });
}

// Visitors made of one lambda for each kind that matters and a generic one for the rest.
template <typename... Lambdas>
struct Overloaded : Lambdas... {
  using Lambdas::operator()...;
};
template <typename... Lambdas>
Overloaded(Lambdas...) -> Overloaded<Lambdas...>;

// Members share one name and are told apart by an index from 0, checked on every access.
template <typename T, int N>
class ControlArray {
 public:
  explicit ControlArray(const std::string& name)
      : members_(Build(name, std::make_integer_sequence<int, N>{})) {}

  T& operator()(int index) { return members_[Checked(index)]; }
  const T& operator()(int index) const { return members_[Checked(index)]; }
  static constexpr int Count() { return N; }
  auto begin() { return members_.begin(); }
  auto end() { return members_.end(); }
  auto begin() const { return members_.begin(); }
  auto end() const { return members_.end(); }

 private:
  static std::size_t Checked(int index) {
    if (index < 0 || index >= N) throw Failure(FailureKind::IndexOutOfRange);
    return static_cast<std::size_t>(index);
  }
  template <int... I>
  static std::array<T, N> Build(const std::string& name, std::integer_sequence<int, I...>) {
    return {T(name, I)...};
  }

  std::array<T, N> members_;
};

}  // namespace zentavo
