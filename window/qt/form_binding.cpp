#include "form_binding.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <vector>

#include "accessible_visibility.h"
#include "caption_label.h"
#include "caret_placement.h"
#include "design_palette.h"
#include "qt_conversions.h"
#include "result_box.h"
#include "value_box.h"

namespace zentavo {
namespace {

void SetColour(QWidget& widget, QPalette::ColorRole role, std::optional<Colour> colour) {
  if (!colour) return;
  QPalette palette = widget.palette();
  palette.setColor(role, ShownBackground(*colour));
  widget.setPalette(palette);
}

Qt::FocusPolicy ToQtFocus(frmZentavo::Focus focus) {
  switch (focus) {
    case frmZentavo::Focus::TabAndClick:
      return Qt::StrongFocus;
    case frmZentavo::Focus::ClickOnly:
      return Qt::ClickFocus;
    case frmZentavo::Focus::Never:
      break;
  }
  return Qt::NoFocus;
}

// The index in a QString of the character that many characters from its start.
int IndexOfCharacter(const QString& text, std::size_t characters) {
  int index = 0;
  for (; characters > 0 && index < text.size(); --characters)
    index += text[index].isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
  return index;
}

// Room for a whole pasted value with its unit; the form refuses what its box cannot hold, and a
// paste far beyond that is cut by the line edit before it is laid out.
int LineEditLimit(const TextBox& box) {
  constexpr std::size_t kLeastRoom = 4096;
  if (box.MaxLength() == 0 || box.ReadOnly()) return std::numeric_limits<int>::max();
  return static_cast<int>(std::max(kLeastRoom, 8 * box.MaxLength()));
}

bool IsGeometry(Property property) {
  return property == Property::Left || property == Property::Top || property == Property::Width ||
         property == Property::Height;
}

}  // namespace

FormBinding::FormBinding(frmZentavo& form, QWidget& window, QWidget& frame) : form_(form) {
  for (Control* control : form.Controls()) {
    Visit(*control, Overloaded{[&](Window& w) { BindWindow(w, window); },
                               [&](Frame& f) { BindFrame(f, frame); },
                               [&](TextBox& box) { BindTextBox(box, frame); },
                               [&](ComboBox& box) { BindComboBox(box, frame); },
                               [&](Label& label) { BindLabel(label, frame); },
                               [&](CommandButton& button) { BindButton(button, frame); },
                               [](Control&) {}});  // shapes and lines: the frame paints them
  }
  SetTabOrder();
  form.ActionEnded = [this] { ShowTexts(); };
}

QWidget* FormBinding::WidgetFor(const Control& control) const {
  auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

void FormBinding::BindWindow(Window& window, QWidget& widget) {
  widgets_[&window] = &widget;
  auto fixSize = [&window, &widget] {
    widget.setFixedSize(Pixels(window.ClientWidth()), Pixels(window.ClientHeight()));
  };
  fixSize();
  widget.setWindowTitle(ToQString(window.Caption()));
  widget.setAccessibleName(ToQString(window.AccessibleName()));
  widget.setPalette(DesignPalette());
  SetColour(widget, QPalette::Window, window.BackColour());
  widget.setAutoFillBackground(true);
  if (window.OwnFont()) widget.setFont(ToQFont(*window.OwnFont()));
  window.Watch([&window, &widget, fixSize](Property property) {
    if (property == Property::Width || property == Property::Height) fixSize();
    if (property == Property::Caption) widget.setWindowTitle(ToQString(window.Caption()));
  });
}

void FormBinding::BindFrame(Frame& frame, QWidget& widget) {
  BindCommon(frame, widget);
  SetColour(widget, QPalette::Window, frame.BackColour());
  widget.setAutoFillBackground(true);
}

void FormBinding::BindCommon(Control& control, QWidget& widget, std::function<void()> place) {
  widgets_[&control] = &widget;
  widget.setObjectName(ToQString(control.QualifiedName()));
  widget.setAccessibleName(ToQString(control.AccessibleName()));
  widget.setAccessibleDescription(ToQString(control.AccessibleDescription()));
  if (control.OwnFont()) widget.setFont(ToQFont(*control.OwnFont()));
  widget.setFocusPolicy(ToQtFocus(frmZentavo::FocusOf(control)));
  if (!place) place = [&control, &widget] { widget.setGeometry(PixelRect(control)); };
  place();
  widget.setVisible(control.Visible());
  control.Watch([&control, &widget, place](Property property) {
    if (property == Property::Visible) {
      widget.setVisible(control.Visible());
      ReportVisibility(widget);
    }
    if (IsGeometry(property)) place();
    if (property == Property::AccessibleDescription)
      widget.setAccessibleDescription(ToQString(control.AccessibleDescription()));
  });
}

QLineEdit* FormBinding::BindTextBox(TextBox& box, QWidget& frame) {
  if (box.ReadOnly()) {
    auto* result = new ResultBox(form_.Format().decimalSeparator, &frame);
    BindShownText(box, *result);
    return result;
  }
  auto* edit = new ValueBox(form_.Format().decimalSeparator, &frame);
  BindShownText(box, *edit);
  edit->SetHistory([this, &box] { return form_.CanUndo(box); },
                   [this, &box] { return form_.CanRedo(box); });
  QObject::connect(edit, &QLineEdit::textEdited, edit, [this, &box, edit](const QString& text) {
    const ValueBox::Caret before = edit->Settled();
    frmZentavo::EditOutcome outcome;
    UserEdit(box, *edit, [&] { outcome = form_.UserEditsText(box, text.toStdString()); });
    if (outcome.refused) edit->Restore(before);
    if (outcome.caret) edit->setCursorPosition(IndexOfCharacter(edit->text(), *outcome.caret));
  });
  QObject::connect(edit, &ValueBox::undoAsked, edit,
                   [this, &box, edit] { UserEdit(box, *edit, [&] { form_.UserUndoes(box); }); });
  QObject::connect(edit, &ValueBox::redoAsked, edit,
                   [this, &box, edit] { UserEdit(box, *edit, [&] { form_.UserRedoes(box); }); });
  QObject::connect(edit, &ValueBox::left, edit, [this, &box] { form_.UserLeaves(box); });
  return edit;
}

void FormBinding::BindShownText(TextBox& box, QLineEdit& edit) {
  BindCommon(box, edit);
  OutlineInInk(edit);
  edit.setAlignment(ToQtAlignment(box.TextAlignment()));
  edit.setMaxLength(LineEditLimit(box));
  edit.setReadOnly(box.ReadOnly());
  SetColour(edit, QPalette::Base, box.BackColour());
  ShowText(box, edit);
  textBoxes_.emplace_back(&box, &edit);
  // Outside the user's actions, a text shows as it changes.
  box.Watch([this, &box, &edit](Property property) {
    if (property == Property::Text && !form_.ActionRunning()) ShowText(box, edit);
  });
}

void FormBinding::UserEdit(const TextBox& box, QLineEdit& edit,
                           const std::function<void()>& action) {
  editedByUser_ = &box;
  action();
  // The box ends showing what the form keeps, also where the form took no action on the edit.
  ShowText(box, edit);
  editedByUser_ = nullptr;
}

void FormBinding::ShowTexts() {
  for (auto [box, edit] : textBoxes_) ShowText(*box, *edit);
}

void FormBinding::ShowText(const TextBox& box, QLineEdit& edit) {
  const QString text = ToQString(box.Text());
  if (edit.text() == text) return;
  if (editedByUser_ == &box) {
    const TextSelection selection = SelectionAfterRewrite(edit.text(), edit.cursorPosition(), text);
    edit.setText(text);
    edit.setSelection(selection.start, selection.length);
  } else {
    edit.setText(text);
    edit.setCursorPosition(0);
  }
}

QComboBox* FormBinding::BindComboBox(ComboBox& box, QWidget& frame) {
  auto* combo = new QComboBox(&frame);
  BindCommon(box, *combo);
  OutlineInInk(*combo);
  combo->setEditable(false);
  for (int i = 0; i < box.ListCount(); ++i) combo->addItem(ToQString(box.List(i)));
  combo->setCurrentIndex(box.ListIndex());
  // activated comes only from the user: a pick in the list, an arrow key or a typed letter.
  QObject::connect(combo, &QComboBox::activated, combo, [this, &box, combo](int entry) {
    form_.UserPicks(box, entry);
    combo->setCurrentIndex(box.ListIndex());
  });
  box.Watch([&box, combo](Property property) {
    if (property == Property::Text) combo->setCurrentIndex(box.ListIndex());
  });
  return combo;
}

QLabel* FormBinding::BindLabel(Label& label, QWidget& frame) {
  auto* widget = new CaptionLabel(ToQString(label.Caption()), &frame);
  widget->setAlignment(ToQtAlignment(label.CaptionAlignment()));
  // Labels are drawn elements: the boxes lie above them.
  widget->lower();
  // Auto-size: the caption decides the size; the left and top edges stay where they are.
  auto fit = [&label, widget] {
    widget->adjustSize();
    widget->move(Pixels(label.Left()), Pixels(label.Top()));
  };
  BindCommon(label, *widget, fit);
  label.Watch([&label, widget, fit](Property property) {
    if (property != Property::Caption) return;
    widget->setText(ToQString(label.Caption()));
    fit();
  });
  return widget;
}

QPushButton* FormBinding::BindButton(CommandButton& button, QWidget& frame) {
  auto* widget = new QPushButton(&frame);
  BindCommon(button, *widget);
  OutlineInInk(*widget);
  // Enter presses the button that has the focus, as Space does.
  widget->setAutoDefault(true);
  widget->setText(ToQString(button.Caption()));
  SetColour(*widget, QPalette::Button, button.BackColour());
  QObject::connect(widget, &QPushButton::clicked, widget,
                   [this, &button] { form_.UserClicks(button); });
  button.Watch([&button, widget](Property property) {
    if (property == Property::Caption) widget->setText(ToQString(button.Caption()));
  });
  return widget;
}

void FormBinding::SetTabOrder() {
  const std::vector<Control*> order = form_.TabOrder();
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(WidgetFor(*order[i - 1]), WidgetFor(*order[i]));
}

}  // namespace zentavo
