#include "result_box.h"

namespace zentavo {

ResultBox::ResultBox(std::string decimalSeparator, QWidget* parent)
    : FittedBox(std::move(decimalSeparator), parent) {
  setReadOnly(true);
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { setToolTip(text); });
}

}  // namespace zentavo
