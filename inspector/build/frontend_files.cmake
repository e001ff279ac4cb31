# The walk of the frontend tree, shared by the configure step (which needs the files as build
# dependencies) and the embedding script (which needs them as records), so that both see the same
# files and reject the same names.

# Names the bundle cannot carry safely: anything outside printable ASCII, and the characters that
# CMake lists treat specially (";" separates, "[" "]" group, "\" escapes). A backslash could not be
# looked up anyway, since lookups read it as "/".
set(TAVRIK_FRONTEND_BAD_NAME_REGEX "[^ -~]|[][;\\]")

# Sets `out_var` to the tree's regular files: paths relative to `tree`, "/"-separated, sorted
# byte-wise. Directories are walked and give no entries; hidden files are files like any other;
# a symbolic link stops the build, since the bundle would otherwise depend on where it points.
# With CONFIGURE_DEPENDS the build re-runs the walk whenever an entry is added or removed.
function(tavrik_frontend_files tree out_var)
  cmake_parse_arguments(PARSE_ARGV 2 arg "CONFIGURE_DEPENDS" "" "")
  if(NOT IS_DIRECTORY "${tree}")
    message(FATAL_ERROR "frontend tree ${tree} is not a directory")
  endif()
  string(REGEX MATCH "${TAVRIK_FRONTEND_BAD_NAME_REGEX}" bad "${tree}")
  if(NOT bad STREQUAL "")
    message(FATAL_ERROR "frontend tree path ${tree} has a character the build cannot carry: '${bad}'")
  endif()

  set(depends)
  if(arg_CONFIGURE_DEPENDS)
    set(depends CONFIGURE_DEPENDS)
  endif()
  file(GLOB_RECURSE entries ${depends} LIST_DIRECTORIES true RELATIVE "${tree}" "${tree}/*")

  set(files)
  foreach(rel IN LISTS entries)
    string(REGEX MATCH "${TAVRIK_FRONTEND_BAD_NAME_REGEX}" bad "${rel}")
    if(NOT bad STREQUAL "")
      message(FATAL_ERROR
        "frontend file ${tree}/${rel} has a name the bundle cannot carry (character '${bad}'); "
        "names must be printable ASCII without ';', '[', ']' or '\\'")
    endif()
    set(abs "${tree}/${rel}")
    if(IS_SYMLINK "${abs}")
      message(FATAL_ERROR "frontend tree holds a symbolic link, which the bundle does not follow: ${abs}")
    endif()
    if(NOT EXISTS "${abs}")
      # A name that CMake split or joined on its way through a list.
      message(FATAL_ERROR "frontend tree holds a name the bundle cannot carry: ${abs}")
    endif()
    if(NOT IS_DIRECTORY "${abs}")
      list(APPEND files "${rel}")
    endif()
  endforeach()

  # CMake's string order is std::string's: byte-wise, unsigned, a prefix first.
  list(SORT files COMPARE STRING CASE SENSITIVE ORDER ASCENDING)
  set(${out_var} "${files}" PARENT_SCOPE)
endfunction()
