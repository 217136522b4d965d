#include "failure.h"

namespace zentavo {

const char* Failure::what() const noexcept {
  switch (kind_) {
    case FailureKind::Overflow:
      return "overflow";
    case FailureKind::DivisionByZero:
      return "division by zero";
    case FailureKind::TypeMismatch:
      return "type mismatch";
    case FailureKind::IndexOutOfRange:
      return "index out of range";
  }
  return "failure";
}

}  // namespace zentavo
