# CLI11 (libcli11-dev, header-only) for the Windows cross build.
include(${CMAKE_CURRENT_LIST_DIR}/../host-headers.cmake)
if(EXISTS /usr/include/CLI/CLI.hpp)
  velt1_host_headers(CLI11::CLI11 CLI)
else()
  set(CLI11_FOUND FALSE)
  set(CLI11_NOT_FOUND_MESSAGE "/usr/include/CLI/CLI.hpp is missing (package libcli11-dev)")
endif()
