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
endif()

include(CPack)
