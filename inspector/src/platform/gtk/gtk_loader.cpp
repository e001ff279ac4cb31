#include "platform/gtk/gtk_loader.hpp"

#include <dlfcn.h>

#include <cstddef>
#include <string>

#ifdef TAVRIK_GTK_LOADED_AT_RUN_TIME
// Written by the build: the names of the imported functions, and the slots the trampolines of the
// same names jump through.
extern "C" const char* const tavrik_gtk_import_names[];
extern "C" const std::size_t tavrik_gtk_import_count;
extern "C" void* tavrik_gtk_import_slots[];
#endif

namespace tavrik::shell {

#ifdef TAVRIK_GTK_LOADED_AT_RUN_TIME
namespace {
constexpr const char* webkit_library = TAVRIK_WEBKIT_SONAME;  // from gtk_imports.cmake
}  // namespace
#endif

Status load_gtk_libraries() {
#ifndef TAVRIK_GTK_LOADED_AT_RUN_TIME
  return success();  // linked outright on this build
#else
  if (tavrik_gtk_import_count > 0 && tavrik_gtk_import_slots[0] != nullptr) return success();
  void* library = ::dlopen(webkit_library, RTLD_NOW | RTLD_GLOBAL);
  if (library == nullptr) {
    const char* why = ::dlerror();
    return Error(std::string("cannot load ") + webkit_library + ": " +
                 (why ? why : "unknown error"));
  }
  for (std::size_t i = 0; i < tavrik_gtk_import_count; ++i) {
    // The library handle searches WebKitGTK and everything it depends on, GTK and GLib included.
    void* function = ::dlsym(library, tavrik_gtk_import_names[i]);
    if (function == nullptr) {
      for (std::size_t k = 0; k < i; ++k) tavrik_gtk_import_slots[k] = nullptr;
      return Error(std::string("the loaded WebKitGTK has no function ") +
                   tavrik_gtk_import_names[i]);
    }
    tavrik_gtk_import_slots[i] = function;
  }
  return success();
#endif
}

}  // namespace tavrik::shell
