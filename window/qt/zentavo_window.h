// The calculator's one window on screen: it shows the form's controls and hands the user's
// actions to the form.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "form_binding.h"
#include "frm_zentavo.h"
#include "key_preview.h"

namespace zentavo {

class SchematicFrame;

// What the window does when the form reports a failure or ends the program; an empty hook does
// the real thing (a message box; leaving the event loop with status 0).
struct WindowHooks {
  std::function<void(const std::string& message)> showFailure;
  std::function<void()> endProgram;
};

class ZentavoWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ZentavoWindow(WindowHooks hooks = {});

  frmZentavo& Form() { return form_; }
  QWidget* WidgetFor(const Control& control) const { return binding_.WidgetFor(control); }

 private:
  void ShowFailure(const std::string& message);
  void EndProgram();
  void CentreOnScreen();

  WindowHooks hooks_;
  frmZentavo form_;
  SchematicFrame* frame_;
  FormBinding binding_;
  KeyPreview keyPreview_;
};

}  // namespace zentavo
