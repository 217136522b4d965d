// The calculator's one window on screen: it shows the form's controls and hands the user's
// actions to the form.
#pragma once

#include <QWidget>

#include "form_binding.h"
#include "frm_zentavo.h"
#include "key_preview.h"

namespace zentavo {

class Announcer;
class ResultKeys;
class SchematicFrame;

class ZentavoWindow : public QWidget {
  Q_OBJECT

 public:
  // On the desktop: its number format, a message box for a failure, announcements through a
  // screen reader, and Esc leaving the event loop with status 0.
  ZentavoWindow();
  // On another platform, as tests give it; a hook it leaves empty does the desktop's thing.
  explicit ZentavoWindow(Platform platform);
  ~ZentavoWindow() override;

  frmZentavo& Form() { return form_; }
  QWidget* WidgetFor(const Control& control) const { return binding_.WidgetFor(control); }

 private:
  Platform OnThisDesktop(Platform platform);
  void CentreOnScreen();

  Announcer* announcer_;
  frmZentavo form_;
  SchematicFrame* frame_;
  FormBinding binding_;
  KeyPreview keyPreview_;
  ResultKeys* resultKeys_;
};

}  // namespace zentavo
