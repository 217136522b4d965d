// Binds the form's controls to Qt widgets: every property change of the model shows in its
// widget, and every user edit of a widget goes to the form's entry point for that action.
#pragma once

#include <QWidget>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "frm_zentavo.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentavo {

class FormBinding {
 public:
  // The window holds the frame; the frame holds every other control, one widget for each box,
  // list, label and button (shapes and lines are painted by the frame).
  FormBinding(frmZentavo& form, QWidget& window, QWidget& frame);
  ~FormBinding() { form_.ActionEnded = nullptr; }
  FormBinding(const FormBinding&) = delete;
  FormBinding& operator=(const FormBinding&) = delete;

  QWidget* WidgetFor(const Control& control) const;

 private:
  void BindWindow(Window& window, QWidget& widget);
  void BindFrame(Frame& frame, QWidget& widget);
  QLineEdit* BindTextBox(TextBox& box, QWidget& frame);
  // Alignment, limit, colour and the text as the model keeps it.
  void BindShownText(TextBox& box, QLineEdit& edit);
  // Runs an edit of a box by the user, and shows the box's text as the form leaves it.
  void UserEdit(const TextBox& box, QLineEdit& edit, const std::function<void()>& action);
  QComboBox* BindComboBox(ComboBox& box, QWidget& frame);
  QLabel* BindLabel(Label& label, QWidget& frame);
  QPushButton* BindButton(CommandButton& button, QWidget& frame);
  // Name, font, visibility and placement; place defaults to the control's rectangle.
  void BindCommon(Control& control, QWidget& widget, std::function<void()> place = {});
  void ShowText(const TextBox& box, QLineEdit& edit);
  // The form rewrites most results several times in one action: their widgets show them once,
  // when it ends.
  void ShowTexts();
  void SetTabOrder();

  frmZentavo& form_;
  std::unordered_map<const Control*, QWidget*> widgets_;
  std::vector<std::pair<const TextBox*, QLineEdit*>> textBoxes_;
  const TextBox* editedByUser_ = nullptr;
};

}  // namespace zentavo
