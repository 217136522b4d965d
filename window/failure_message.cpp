#include "failure_message.h"

namespace zentavo {

std::string FailureMessage(FailureKind kind) {
  std::string what;
  switch (kind) {
    case FailureKind::Overflow:
      what = "Depășire: un rezultat este prea mare pentru a fi calculat.";
      break;
    case FailureKind::DivisionByZero:
      what = "Împărțire la zero.";
      break;
    case FailureKind::TypeMismatch:
      what = "Nepotrivire de tip: un text nu este un număr.";
      break;
    case FailureKind::IndexOutOfRange:
      what = "Indice în afara domeniului.";
      break;
  }
  return what + "\nRezultatele au fost șterse; valorile introduse au rămas neschimbate.";
}

}  // namespace zentavo
