# Installation and packages: the three programs under bin/, and on Linux the
# desktop entry, the icon and the manual pages. CPack makes the Debian
# package velt1-steuerung; the Windows build makes a zip of velt1ctl.exe.
include(GNUInstallDirs)

# The Windows zip holds velt1ctl.exe at its top, beside its README.
set(program_dir ${CMAKE_INSTALL_BINDIR})
if(WIN32)
  set(program_dir .)
endif()
foreach(program velt1-steuerung velt1ctl velt1-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${program_dir})
  endif()
endforeach()

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
if(WIN32)
  install(FILES ${packaging}/README-windows.txt DESTINATION . RENAME README.txt)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME velt1ctl-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  install(FILES ${packaging}/velt1-steuerung.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging}/velt1-steuerung.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # Manual pages go compressed, as man-db and Debian expect them.
  foreach(page velt1ctl.1 velt1-sim.1)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
      COMMAND gzip -9 -n -c ${packaging}/${page} > ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz
      DEPENDS ${packaging}/${page} VERBATIM)
    list(APPEND man_pages ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
  endforeach()
  add_custom_target(velt1_man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
  # Libraries as dpkg-shlibdeps finds them; Qt's platform plugins (xcb for a
  # desktop, offscreen for none) are loaded at run time and not seen by it.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()

set(CPACK_PACKAGE_NAME velt1-steuerung)
set(CPACK_PACKAGE_VENDOR "VELT-1 Steuerung")
set(CPACK_PACKAGE_CONTACT "VELT-1 Steuerung maintainers <maintainers@velt1-steuerung.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control program for the VELT-1 sensor test device")
set(CPACK_PACKAGE_DESCRIPTION
  "VELT-1 Steuerung reads, edits and writes the working parameters and the
sixteen stored test programs of VELT-1 devices on an RS-232 bus, starts and
stops tests and watches the device status. velt1ctl does the same from
scripts; velt1-sim simulates a bus of VELT-1 devices on a pseudo-terminal.")
set(CPACK_STRIP_FILES ON)
include(CPack)
