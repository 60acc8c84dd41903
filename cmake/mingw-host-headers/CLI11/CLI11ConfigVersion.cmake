# The version of Debian's CLI11, as its own package file gives it.
if(EXISTS /usr/share/cmake/CLI11/CLI11ConfigVersion.cmake)
  include(/usr/share/cmake/CLI11/CLI11ConfigVersion.cmake)
endif()
