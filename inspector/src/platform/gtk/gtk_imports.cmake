# The library opened by name in window mode; GTK and GLib come with it as its dependencies. Its
# name is the soname of the very library this build compiles against (found by pkg-config), so
# that the tool opens the version whose headers it used. The Debian package declares the package
# that ships it (see dlopen_probe in CMakeLists.txt and packaging.cmake).
foreach(library IN LISTS WEBKITGTK_LINK_LIBRARIES)
  get_filename_component(library_name "${library}" NAME)
  if(library_name MATCHES "^libwebkitgtk-6\\.0\\.so")
    set(TAVRIK_WEBKIT_LIBRARY "${library}")
  endif()
endforeach()
if(NOT TAVRIK_WEBKIT_LIBRARY)
  message(FATAL_ERROR "pkg-config named no libwebkitgtk-6.0 library: ${WEBKITGTK_LINK_LIBRARIES}")
endif()
find_program(TAVRIK_READELF NAMES ${CMAKE_READELF} readelf REQUIRED)
execute_process(COMMAND ${TAVRIK_READELF} -d "${TAVRIK_WEBKIT_LIBRARY}"
                OUTPUT_VARIABLE dynamic_section RESULT_VARIABLE readelf_status)
if(readelf_status EQUAL 0 AND dynamic_section MATCHES "Library soname: \\[([^]]+)\\]")
  set(TAVRIK_WEBKIT_SONAME "${CMAKE_MATCH_1}")
endif()
if(NOT TAVRIK_WEBKIT_SONAME)
  message(FATAL_ERROR "${TAVRIK_WEBKIT_LIBRARY} carries no soname")
endif()
# Where the tool finds it at run time when the system's loader would not look there by itself.
get_filename_component(TAVRIK_WEBKIT_LIBRARY_DIR "${TAVRIK_WEBKIT_LIBRARY}" DIRECTORY)

# The GTK, WebKitGTK and GLib functions the Linux host calls. Each becomes a trampoline of the same
# name that jumps through a slot filled when the libraries are loaded (gtk_loader.cpp). A function
# missing here shows up as an undefined reference when the tool is linked: add it.
set(TAVRIK_GTK_IMPORTS
  g_bus_get_sync g_error_free g_get_language_names g_log_set_writer_func g_log_writer_default
  g_set_prgname g_setenv g_list_model_get_item g_main_context_iteration
  g_memory_input_stream_new_from_data g_object_new g_object_ref_sink g_object_unref
  g_signal_connect_data g_type_check_instance_cast g_uri_is_valid
  gdk_display_get_default gdk_display_get_monitors gdk_monitor_get_geometry
  gtk_init_check gtk_widget_get_type gtk_window_destroy gtk_window_get_type gtk_window_new
  gtk_window_present gtk_window_set_child gtk_window_set_default_size gtk_window_set_title
  webkit_navigation_action_get_request webkit_navigation_policy_decision_get_navigation_action
  webkit_navigation_policy_decision_get_type webkit_policy_decision_ignore
  webkit_security_manager_register_uri_scheme_as_cors_enabled
  webkit_security_manager_register_uri_scheme_as_secure webkit_uri_request_get_uri
  webkit_uri_scheme_request_finish_with_response webkit_uri_scheme_request_get_uri
  webkit_uri_scheme_response_new webkit_uri_scheme_response_set_content_type
  webkit_uri_scheme_response_set_status webkit_user_content_manager_add_script
  webkit_user_content_manager_new webkit_user_script_new webkit_user_script_unref
  webkit_web_context_get_security_manager webkit_web_context_new
  webkit_web_context_register_uri_scheme webkit_web_context_set_preferred_languages
  webkit_settings_new webkit_settings_set_hardware_acceleration_policy
  webkit_web_view_get_type webkit_web_view_load_uri
  gtk_widget_grab_focus gtk_widget_add_controller gtk_widget_get_clipboard
  gtk_event_controller_key_new gtk_event_controller_scroll_new
  gtk_event_controller_set_propagation_phase gtk_event_controller_get_current_event_state
  gtk_event_controller_get_type gdk_clipboard_set_text g_free jsc_value_to_string
  webkit_web_view_get_zoom_level webkit_web_view_set_zoom_level webkit_web_view_get_uri
  webkit_user_content_manager_register_script_message_handler
  webkit_uri_scheme_request_get_web_view webkit_uri_scheme_request_finish_error
  webkit_uri_scheme_response_set_http_headers soup_message_headers_new soup_message_headers_append
  g_filename_from_uri g_error_new_literal g_io_error_quark g_memdup2
  g_task_new g_task_set_task_data g_task_get_task_data g_task_run_in_thread g_task_return_boolean
  g_task_get_type g_timeout_add_seconds g_source_remove g_object_set_data_full g_object_get_data
  webkit_navigation_action_get_navigation_type
  webkit_web_view_get_network_session webkit_download_get_web_view webkit_download_set_destination
  webkit_download_set_allow_overwrite webkit_download_cancel g_signal_handlers_disconnect_matched
  gtk_file_chooser_native_new gtk_native_dialog_set_modal gtk_native_dialog_show
  gtk_native_dialog_get_type gtk_file_chooser_get_type gtk_file_chooser_get_file
  gtk_file_chooser_set_current_folder gtk_file_chooser_set_current_name gtk_widget_get_root
  g_file_get_path g_file_new_for_path g_file_test g_get_user_special_dir g_get_home_dir g_object_ref
)

# Writes the trampolines (x86-64 ELF assembly) and the table of names into `out_dir`.
function(tavrik_write_gtk_imports out_dir)
  list(LENGTH TAVRIK_GTK_IMPORTS count)
  set(asm "// Generated from gtk_imports.cmake: one trampoline per imported function.\n")
  string(APPEND asm ".section .note.GNU-stack,\"\",@progbits\n")
  # The CET property (IBT and SHSTK): without it the linker takes the whole executable for
  # unprotected. The trampolines only jump, so they keep the shadow stack intact.
  string(APPEND asm ".section .note.gnu.property,\"a\"\n.p2align 3\n")
  string(APPEND asm ".long 4\n.long 16\n.long 5\n.asciz \"GNU\"\n")
  string(APPEND asm ".long 0xc0000002\n.long 4\n.long 3\n.p2align 3\n")
  string(APPEND asm ".text\n")
  set(names "// Generated from gtk_imports.cmake.\n#include <cstddef>\n")
  string(APPEND names "extern \"C\" const char* const tavrik_gtk_import_names[] = {\n")
  set(index 0)
  foreach(name IN LISTS TAVRIK_GTK_IMPORTS)
    math(EXPR offset "${index} * 8")
    # Hidden: GTK's own calls must never bind to these, only the host's.
    string(APPEND asm ".globl ${name}\n.hidden ${name}\n.type ${name}, @function\n.p2align 3\n")
    # endbr64: a valid target of the host's indirect calls under indirect branch tracking.
    string(APPEND asm "${name}:\n  endbr64\n  jmp *tavrik_gtk_import_slots+${offset}(%rip)\n")
    string(APPEND asm ".size ${name}, .-${name}\n")
    string(APPEND names "  \"${name}\",\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND asm ".bss\n.globl tavrik_gtk_import_slots\n.hidden tavrik_gtk_import_slots\n")
  string(APPEND asm ".p2align 3\ntavrik_gtk_import_slots:\n  .zero ${count} * 8\n")
  string(APPEND names "};\nextern \"C\" const std::size_t tavrik_gtk_import_count = ${count};\n")
  # Rewritten only when the text changes, so that a reconfigure rebuilds nothing.
  file(WRITE ${out_dir}/gtk_imports.S.new "${asm}")
  file(WRITE ${out_dir}/gtk_import_names.cpp.new "${names}")
  configure_file(${out_dir}/gtk_imports.S.new ${out_dir}/gtk_imports.S COPYONLY)
  configure_file(${out_dir}/gtk_import_names.cpp.new ${out_dir}/gtk_import_names.cpp COPYONLY)
endfunction()
