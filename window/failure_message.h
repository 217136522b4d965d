// The Romanian text that tells the user which step failed.
#pragma once

#include <string>

#include "failure.h"

namespace zentavo {

std::string FailureMessage(FailureKind kind);

}  // namespace zentavo
