# DebianDocs.cmake - writes the package's copyright file (from LICENSE) and its changelog entry for this version.
# Sets QUILLANE_COPYRIGHT and QUILLANE_CHANGELOG to the files written.
# SPDX-License-Identifier: MIT

# The machine-readable copyright format carries the licence text indented by one space, with a
# lone "." for each empty line; LICENSE stays the one copy of that text.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "\n+$" "" licence "${licence}")
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]*)")
  message(FATAL_ERROR "LICENSE has no copyright line")
endif()
set(holders "${CMAKE_MATCH_1}")
set(QUILLANE_COPYRIGHT ${CMAKE_CURRENT_BINARY_DIR}/copyright)
file(CONFIGURE OUTPUT ${QUILLANE_COPYRIGHT} @ONLY CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Quillane
Upstream-Contact: @QUILLANE_MAINTAINER@

Files: *
Copyright: @holders@
License: Expat
 @licence@
")

# A changelog date is written the way mail dates are.
execute_process(COMMAND date -u -R -d ${QUILLANE_RELEASE_DATE}
  OUTPUT_VARIABLE release_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(QUILLANE_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
file(CONFIGURE OUTPUT ${QUILLANE_CHANGELOG} @ONLY CONTENT
"quillane (@PROJECT_VERSION@-@QUILLANE_DEBIAN_REVISION@) unstable; urgency=medium

  * Quillane @PROJECT_VERSION@ as a Debian package.

 -- @QUILLANE_MAINTAINER@  @release_time@
")
