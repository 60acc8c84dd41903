# Debian's header-only libraries for the Windows cross build. Their own
# package files point at the host's /usr/include, whose C library headers
# must not reach the cross compiler, so the library's header folder is
# linked into a folder of its own in the build folder and the target names
# that folder.
#   velt1_host_headers(TARGET FOLDER): FOLDER under /usr/include, e.g. CLI
function(velt1_host_headers target folder)
  if(TARGET ${target})
    return()
  endif()
  set(headers ${CMAKE_BINARY_DIR}/host-headers)
  file(MAKE_DIRECTORY ${headers})
  file(CREATE_LINK /usr/include/${folder} ${headers}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${headers})
endfunction()
