# Read by cpack once per generator, after the build. The tool links only the C and C++ run-times
# outright; GTK and WebKitGTK are opened by name in window mode, so a scan of the tool alone would
# leave the window's libraries out of Depends. The build's probe module links exactly the functions
# the tool looks up, and scanning both in one dpkg-shlibdeps run merges the two lists (one entry per
# package, the highest lowest version).
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(tavrik_dpkg_shlibdeps dpkg-shlibdeps)
  if(NOT tavrik_dpkg_shlibdeps)
    message(FATAL_ERROR "the Debian package needs dpkg-shlibdeps (package dpkg-dev; scripts/setup.sh installs it)")
  endif()
  set(tavrik_scanned "")
  foreach(file IN LISTS CPACK_TAVRIK_SCANNED)
    if(NOT EXISTS "${file}")
      message(FATAL_ERROR "${file} is missing: build the release preset before running cpack")
    endif()
    list(APPEND tavrik_scanned "-e${file}")
  endforeach()
  # dpkg-shlibdeps insists on a debian/control in its working folder, though it needs none of it.
  set(tavrik_scan_dir "${CPACK_TAVRIK_SCAN_DIR}")
  file(WRITE "${tavrik_scan_dir}/debian/control"
       "Source: ${CPACK_DEBIAN_PACKAGE_NAME}\n\nPackage: ${CPACK_DEBIAN_PACKAGE_NAME}\nArchitecture: any\n")
  execute_process(
    COMMAND "${tavrik_dpkg_shlibdeps}" -O ${tavrik_scanned}
    WORKING_DIRECTORY "${tavrik_scan_dir}"
    OUTPUT_VARIABLE tavrik_substvars ERROR_VARIABLE tavrik_scan_errors RESULT_VARIABLE tavrik_scan_status)
  if(NOT tavrik_scan_status EQUAL 0)
    message(FATAL_ERROR "dpkg-shlibdeps failed (${tavrik_scan_status}):\n${tavrik_scan_errors}")
  endif()
  if(NOT tavrik_substvars MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps named no dependency:\n${tavrik_substvars}${tavrik_scan_errors}")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
endif()
