#include "control_model.h"

#include <algorithm>

#include "utf8.h"

namespace zentavo {

std::string Control::QualifiedName() const {
  if (index_ < 0) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

void Control::Place(int left, int top, int width, int height) {
  SetLeft(left);
  SetTop(top);
  SetWidth(width);
  SetHeight(height);
}

void TextBox::SetText(std::string text) {
  if (maxLength_ > 0 && CharacterCount(text) > maxLength_) text = FirstCharacters(text, maxLength_);
  if (Assign(text_, std::move(text), Property::Text) && Change) Change();
}

const std::string& ComboBox::List(int i) const {
  if (i < 0 || i >= ListCount()) throw Failure(FailureKind::IndexOutOfRange);
  return entries_[static_cast<std::size_t>(i)];
}

void ComboBox::SetText(std::string text) {
  auto entry = std::find(entries_.begin(), entries_.end(), text);
  listIndex_ = entry == entries_.end() ? -1 : static_cast<int>(entry - entries_.begin());
  if (Assign(text_, std::move(text), Property::Text) && Click) Click();
}

void Line::Draw(int x1, int y1, int x2, int y2) {
  SetX1(x1);
  SetY1(y1);
  SetX2(x2);
  SetY2(y2);
}

}  // namespace zentavo
