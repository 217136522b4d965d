// Makes text from the command line safe to echo to a terminal: control characters, stray bytes
// and the marks that reorder text are written as escapes instead of being acted on.
#pragma once

#include <string>
#include <string_view>

namespace zentavo {

// `text` with every C0 and C1 control character, DEL, bidirectional control and byte that is not
// part of well-formed UTF-8 written as a C-style escape (\e, \n, \x9b, \u202E), and a backslash
// doubled so that the escapes stay unambiguous; other characters are kept as they are.
std::string Printable(std::string_view text);

}  // namespace zentavo
