// The one line, on standard error, that the program ends with when its window cannot open.
#pragma once

#include <string>
#include <string_view>

namespace zentavo {

// The graphical platform did not start. `platform` is the one the user named (by -platform or
// QT_QPA_PLATFORM), empty when Qt chose; `displayNamed` tells whether -display, DISPLAY or
// WAYLAND_DISPLAY names a display to open on.
std::string PlatformFailure(std::string_view platform, bool displayNamed);

// The platform started but the window cannot work: `report` is the error Qt reported.
std::string WindowFailure(std::string_view report);

// No thread can be started, for the `reason` the system gives.
std::string ThreadFailure(std::string_view reason);

// Memory ran out while the window was built; a constant, since nothing more can be allocated.
std::string_view MemoryFailure();

}  // namespace zentavo
