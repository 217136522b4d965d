// The frame fraParalel: its border and the schematic of wire loops, resistor bodies, leads and
// junction dots, painted from the control model behind the boxes it holds.
#pragma once

#include <QFrame>
#include <vector>

#include "frm_zentavo.h"

namespace zentavo {

class SchematicFrame : public QFrame {
  Q_OBJECT

 public:
  SchematicFrame(frmZentavo& form, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<const zentavo::Shape*> shapes_;  // not QFrame::Shape
  std::vector<const zentavo::Line*> lines_;
};

}  // namespace zentavo
