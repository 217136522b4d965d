// The window's key preview: every key typed in one of its controls, or in the open list of one
// of its combo boxes, reaches the form before the control.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "frm_zentavo.h"

namespace zentavo {

class KeyPreview : public QObject {
  Q_OBJECT

 public:
  // Watches the whole application, since an open drop-down list is a window of its own.
  KeyPreview(frmZentavo& form, QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool BelongsToWindow(const QWidget* widget) const;
  bool IsPassedOnToParent(const QEvent* event, const QWidget* receiver) const;

  frmZentavo& form_;
  QWidget& window_;
  // Qt hands a key that a control leaves alone on to its parents, through this filter again.
  const QEvent* lastEvent_ = nullptr;
  QPointer<QWidget> lastReceiver_;
};

}  // namespace zentavo
