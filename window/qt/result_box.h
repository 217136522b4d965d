// A read-only result box. Its text is always the whole result, as the form wrote it, and so is its
// tooltip; it is always drawn fitted to the box (see FittedBox), even while it has the focus for
// selecting and copying.
#pragma once

#include <string>

#include "fitted_box.h"

namespace zentavo {

class ResultBox : public FittedBox {
  Q_OBJECT

 public:
  ResultBox(std::string decimalSeparator, QWidget* parent);

 protected:
  bool DrawsFitted() const override { return true; }
};

}  // namespace zentavo
