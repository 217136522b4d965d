// A line edit that Tab reaches selects its text as the focus arrives, and tells screen readers of
// the selection before Qt tells them of the focus: Orca then says the selected value before the
// field's name ("0 selectat, Rezistenta 1"). Watching the whole application, this selects the text
// first without telling them.
#pragma once

#include <QObject>

namespace zentavo {

class SelectionAfterFocus : public QObject {
  Q_OBJECT

 public:
  explicit SelectionAfterFocus(QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zentavo
