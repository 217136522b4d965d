// How a fuzz target reports a broken property: it says what broke and aborts, which libFuzzer
// and the replay program both take as a found fault.
#pragma once

#include <string>

namespace zentavo::fuzz_reference {

[[noreturn]] void Fail(const std::string& what);

// The property is named by a literal; the subject (what was checked) is added to the report.
inline void Require(bool holds, const char* property, const std::string& subject = {}) {
  if (!holds) Fail(std::string(property) + ": " + subject);
}

// Shows a text between quotes, so that blanks and empty texts can be seen in a report.
inline std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace zentavo::fuzz_reference
