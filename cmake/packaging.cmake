# Release artifacts, made by `cpack --preset <preset>` after a build of that preset. Each platform
# has its own block; a block installs what its package ships and picks its own generator.

set(CPACK_PACKAGE_NAME tavrik_inspector)
set(CPACK_PACKAGE_VENDOR tavrik)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Opens a script debugger on a running V8 inspector")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})

if(WIN32)
  # One zip to download: the .exe with the README and the licence notices beside it, in a folder
  # named after the release.
  install(TARGETS tavrik_inspector RUNTIME DESTINATION . COMPONENT windows_zip)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/THIRD_PARTY_NOTICES.md
          DESTINATION . COMPONENT windows_zip)
  set(CPACK_GENERATOR ZIP)
  # That component only: the test framework's own install rules stay out.
  set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};windows_zip;/")
  set(CPACK_PACKAGE_FILE_NAME tavrik_inspector-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  # `cmake --install` and the .deb put the same files in the places FHS and Debian expect: the
  # tool in bin, its manual page gzipped under share/man/man1, the notices as the package's
  # copyright file and a changelog under share/doc/<package>.
  set(TAVRIK_DEBIAN_NAME tavrik-inspector)
  # Named after the package rather than the project, as Debian requires of share/doc.
  set(CMAKE_INSTALL_DOCDIR "share/doc/${TAVRIK_DEBIAN_NAME}"
      CACHE PATH "Documentation root (share/doc/${TAVRIK_DEBIAN_NAME})")
  include(GNUInstallDirs)
  set(CPACK_PACKAGE_CONTACT "tavrik_inspector developers <tavrik-inspector@users.noreply.invalid>")

  # Debian wants these compressed with gzip -9n: no name or time stamp in the header, so that the
  # same sources give the same bytes.
  set(staged ${PROJECT_BINARY_DIR}/packaging)
  configure_file(${PROJECT_SOURCE_DIR}/doc/tavrik_inspector.1 ${staged}/tavrik_inspector.1 @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${staged}/changelog @ONLY)
  add_custom_command(
    OUTPUT ${staged}/tavrik_inspector.1.gz ${staged}/changelog.gz
    COMMAND gzip -9nkf tavrik_inspector.1 changelog
    DEPENDS ${staged}/tavrik_inspector.1 ${staged}/changelog
    WORKING_DIRECTORY ${staged} VERBATIM)
  # The copyright file is the notices with a pointer to the Apache licence text Debian ships.
  file(READ ${PROJECT_SOURCE_DIR}/THIRD_PARTY_NOTICES.md TAVRIK_NOTICES)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/THIRD_PARTY_NOTICES.md)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in ${staged}/copyright @ONLY)
  add_custom_target(tavrik_packaged_docs ALL DEPENDS ${staged}/tavrik_inspector.1.gz ${staged}/changelog.gz)

  install(TARGETS tavrik_inspector RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tavrik_inspector)
  install(FILES ${staged}/tavrik_inspector.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          COMPONENT tavrik_inspector)
  install(FILES ${staged}/copyright ${staged}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
          COMPONENT tavrik_inspector)

  set(CPACK_GENERATOR DEB)
  # That component only, as for the zip.
  set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};tavrik_inspector;/")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  # Whatever the umask of whoever packs: directories in a package are 0755.
  set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
      OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CPACK_DEBIAN_PACKAGE_NAME ${TAVRIK_DEBIAN_NAME})
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Given the HTTP address of a V8 inspector (node --inspect, Deno, workerd or any
other V8 embedder), the tool reads the inspector's target list, prints the
target's WebSocket address and the frontend address, and opens a window whose
web view shows the DevTools frontend, which is built into the executable.
With --print-url or --list-targets it only prints, for other programs to use.")
  # Depends is computed at pack time from the tool and, where GTK and WebKitGTK are opened by name,
  # the probe module that links what the tool looks up (cmake/debian/pack_time.cmake).
  get_property(dlopen_probe GLOBAL PROPERTY TAVRIK_DLOPEN_PROBE)
  set(CPACK_TAVRIK_SCANNED ${PROJECT_BINARY_DIR}/inspector/tavrik_inspector ${dlopen_probe})
  set(CPACK_TAVRIK_SCAN_DIR ${staged}/dependency_scan)
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/debian/pack_time.cmake)
endif()

include(CPack)
