// The keys that reach the results, which Tab passes over: F2 has the form announce every visible
// result, F6 takes the focus to the first result and back to where it was, and among the results
// Up and Down move to the one before and after in reading order.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "form_binding.h"
#include "frm_zentavo.h"

namespace zentavo {

class ResultKeys : public QObject {
  Q_OBJECT

 public:
  ResultKeys(frmZentavo& form, const FormBinding& binding, QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QWidget*> Results() const;
  void EnterOrLeave();

  frmZentavo& form_;
  const FormBinding& binding_;
  QPointer<QWidget> cameFrom_;
};

}  // namespace zentavo
