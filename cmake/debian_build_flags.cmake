# The package build compiles and links with Debian's own flags, every hardening feature included
# (stack protector, fortified libc calls, read-only relocations bound at start, PIE), as a
# distribution's build of this source would.
option(ZENTAVO_DEBIAN_BUILD_FLAGS "Compile and link with dpkg-buildflags and hardening=+all" OFF)
if(NOT ZENTAVO_DEBIAN_BUILD_FLAGS)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
function(zentavo_debian_flag name out)
  # Run from the source tree: the flags map this directory's path out of the debug information.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${name}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "${flags}" PARENT_SCOPE)
endfunction()
zentavo_debian_flag(CPPFLAGS cppflags)
zentavo_debian_flag(CXXFLAGS cxxflags)
zentavo_debian_flag(LDFLAGS ldflags)
string(APPEND CMAKE_CXX_FLAGS " ${cppflags} ${cxxflags}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${ldflags}")
string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${ldflags}")
message(STATUS "Debian build flags: ${cppflags} ${cxxflags} | ${ldflags}")
