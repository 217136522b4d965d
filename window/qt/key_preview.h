// The window's key preview: every key typed in one of its controls, or in the open list of one
// of its combo boxes, reaches the form before the control, but for an Esc that closes a menu or
// a list or cancels a compose sequence.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "compose_watch.h"
#include "frm_zentavo.h"

namespace zentavo {

class KeyPreview : public QObject {
  Q_OBJECT

 public:
  // Watches the whole application, since an open drop-down list is a window of its own.
  KeyPreview(frmZentavo& form, QWidget& window);
  ~KeyPreview() override;
  KeyPreview(const KeyPreview&) = delete;
  KeyPreview& operator=(const KeyPreview&) = delete;

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
  ComposeWatch compose_;
  bool escapeClosedPopup_ = false;  // the key press of this Esc belongs to what it closed
};

}  // namespace zentavo
