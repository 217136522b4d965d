# The release history is the Debian changelog in packaging/; the project version must be its
# newest entry, so that the package, the manual page and the metainfo all name one version.
# Sets ZENTAVO_RELEASE_DATE (YYYY-MM-DD, of the newest entry) and ZENTAVO_RELEASES_XML (one
# AppStream <release/> line per entry, newest first).
set(ZENTAVO_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZENTAVO_CHANGELOG})

file(STRINGS ${ZENTAVO_CHANGELOG} changelog_lines REGEX "^(zentavo \\(| -- )")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(version "")
set(ZENTAVO_RELEASES_XML "")
unset(ZENTAVO_RELEASE_DATE)
unset(newest_version)
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "^zentavo \\(([^)]+)\\)")
    set(version ${CMAKE_MATCH_1})
    if(NOT DEFINED newest_version)
      set(newest_version ${version})
    endif()
  elseif(line MATCHES "  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    list(FIND months ${CMAKE_MATCH_2} month)
    if(version STREQUAL "" OR month EQUAL -1)
      message(FATAL_ERROR "${ZENTAVO_CHANGELOG}: cannot read the entry that ends with '${line}'")
    endif()
    math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
    if(month LESS 10)
      set(month 0${month})
    endif()
    set(date ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
    if(NOT DEFINED ZENTAVO_RELEASE_DATE)
      set(ZENTAVO_RELEASE_DATE ${date})
    endif()
    string(APPEND ZENTAVO_RELEASES_XML
           "    <release version=\"${version}\" date=\"${date}\"/>\n")
    set(version "")
  else()
    message(FATAL_ERROR "${ZENTAVO_CHANGELOG}: cannot read the line '${line}'")
  endif()
endforeach()
string(STRIP "${ZENTAVO_RELEASES_XML}" ZENTAVO_RELEASES_XML)

if(NOT newest_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest entry of ${ZENTAVO_CHANGELOG} is version "
                      "'${newest_version}', the project's version is ${PROJECT_VERSION}: "
                      "add an entry for ${PROJECT_VERSION}.")
endif()
