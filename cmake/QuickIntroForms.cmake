# qi_compile_form(OUTPUT_VAR SOURCE): compiles a form source file (docs/form-source.md) into binary
# form data at build time and stores the output file's path in OUTPUT_VAR. The output is rebuilt
# when the source, any file its binary blocks read (pictures) or the compiler changes; the
# compiler reports those files in a dependency file.
function(qi_compile_form out_var source)
  get_filename_component(source_path "${source}" ABSOLUTE)
  get_filename_component(name "${source}" NAME_WE)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${name}.qfd")
  set(compiler qi-formc)
  if(CMAKE_CROSSCOMPILING)
    set(compiler "${QI_HOST_FORMC}")
  endif()
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${compiler}" "${source_path}" "${output}" --depfile "${output}.d"
    DEPENDS "${compiler}" "${source_path}"
    DEPFILE "${output}.d"
    COMMENT "Compiling form ${source}"
    VERBATIM)
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()
