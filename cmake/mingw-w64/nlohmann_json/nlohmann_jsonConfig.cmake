# nlohmann-json for the Windows cross build: Debian's headers, reached through a directory that
# holds nothing but them, so that no Linux system header can come before the Windows ones.
if(NOT TARGET nlohmann_json::nlohmann_json)
  set(_tavrik_json_root "${CMAKE_BINARY_DIR}/_deps/nlohmann_json/include")
  if(NOT EXISTS "${_tavrik_json_root}/nlohmann")
    file(MAKE_DIRECTORY "${_tavrik_json_root}")
    file(CREATE_LINK /usr/include/nlohmann "${_tavrik_json_root}/nlohmann" SYMBOLIC)
  endif()
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${_tavrik_json_root}")
  unset(_tavrik_json_root)
endif()
set(nlohmann_json_FOUND TRUE)
