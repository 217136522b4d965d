#include "fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace zentavo::fuzz_reference {

void Fail(const std::string& what) {
  std::fputs("Broken property: ", stderr);
  std::fputs(what.c_str(), stderr);
  std::fputs("\n", stderr);
  std::abort();
}

}  // namespace zentavo::fuzz_reference
