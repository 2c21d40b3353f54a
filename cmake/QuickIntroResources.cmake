# qi_add_resources(TARGET <target> NAME <identifier> ENTRIES <name> <type> <file> ...)
# (quote a "#<n>" name: unquoted, CMake reads it as a comment)
#
# Builds files into <target> as program resources, found at run time through the platform
# services' FindResource by name and type. A name or type "#<n>" (n up to 65535) is the integer
# identifier n; a type may also be RCDATA, GROUP_CURSOR (a whole .cur file), GROUP_ICON (a whole
# .ico file), ANICURSOR (a whole .ani file) or MANIFEST; any other text (letters, digits, "_", "."
# and "-") is a name, found ignoring case. Relative file paths start in the calling source folder.
#
# On Windows the files become the platform's own resources through a resource script that windres
# compiles (cursor and icon groups as the platform keeps them, not as whole files). Elsewhere they
# become a table that the POSIX services look in, made again whenever a file changes; <target>
# must then be an executable: the table registers itself as the program starts, and a static
# library would leave it out of the link.
function(qi_add_resources)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "TARGET;NAME" "ENTRIES")
  list(LENGTH arg_ENTRIES length)
  math(EXPR remainder "${length} % 3")
  if(NOT arg_TARGET OR NOT arg_NAME OR length EQUAL 0 OR NOT remainder EQUAL 0)
    message(FATAL_ERROR "qi_add_resources: TARGET, NAME and ENTRIES of name, type and file needed")
  endif()

  set(lines "")
  set(rc_lines "")
  set(files "")
  set(seen "")
  math(EXPR last "${length} - 1")
  foreach(index RANGE 0 ${last} 3)
    math(EXPR type_index "${index} + 1")
    math(EXPR file_index "${index} + 2")
    list(GET arg_ENTRIES ${index} name)
    list(GET arg_ENTRIES ${type_index} type)
    list(GET arg_ENTRIES ${file_index} file)
    _qi_resource_script_word(rc_name "${name}")
    _qi_resource_script_type(rc_type "${type}")
    _qi_resource_type_id(type "${type}")
    _qi_resource_name_initializer(name_code "${name}")
    _qi_resource_name_initializer(type_code "${type}")
    string(TOUPPER "${name_code}/${type_code}" key)
    if(key IN_LIST seen)
      message(FATAL_ERROR "qi_add_resources: resource ${name} of type ${type} given twice")
    endif()
    list(APPEND seen "${key}")
    cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}")
    if(file MATCHES "[;|]")
      message(FATAL_ERROR "qi_add_resources: file paths may not hold ';' or '|': ${file}")
    endif()
    list(APPEND files "${file}")
    string(APPEND lines "${name_code}, ${type_code}|${file}\n")
    string(APPEND rc_lines "${rc_name} ${rc_type} \"${file}\"\n")
  endforeach()

  if(WIN32)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${arg_NAME}_resources.rc")
    file(CONFIGURE OUTPUT "${output}" CONTENT "${rc_lines}" @ONLY)
    # windres does not report the files a script reads.
    set_source_files_properties("${output}" PROPERTIES OBJECT_DEPENDS "${files}")
    target_sources(${arg_TARGET} PRIVATE "${output}")
    return()
  endif()

  set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${arg_NAME}_resources.txt")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${arg_NAME}_resources.cpp")
  file(CONFIGURE OUTPUT "${list_file}" CONTENT "${lines}" @ONLY)
  set(script "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedResources.cmake")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" "-DLIST=${list_file}" "-DOUTPUT=${output}" -P "${script}"
    DEPENDS ${files} "${list_file}" "${script}"
    COMMENT "Embedding resources ${arg_NAME}"
    VERBATIM)
  target_sources(${arg_TARGET} PRIVATE "${output}")
  target_link_libraries(${arg_TARGET} PRIVATE qi_posix_services)
endfunction()

# The standard resource types by the names resource scripts give them.
function(_qi_resource_type_id out type)
  set(RCDATA 10)
  set(GROUP_CURSOR 12)
  set(GROUP_ICON 14)
  set(ANICURSOR 21)
  set(MANIFEST 24)
  if(DEFINED ${type})
    set(${out} "#${${type}}" PARENT_SCOPE)
  else()
    set(${out} "${type}" PARENT_SCOPE)
  endif()
endfunction()

# A name or type as a resource script spells it: "#<n>" as the number n, a text as it is.
function(_qi_resource_script_word out name)
  if(name MATCHES "^#([0-9]+)$")
    math(EXPR id "${CMAKE_MATCH_1}")
    set(${out} "${id}" PARENT_SCOPE)
  else()
    set(${out} "${name}" PARENT_SCOPE)
  endif()
endfunction()

# A type as a resource script spells it: cursor and icon groups are made from whole .cur and .ico
# files by the statements CURSOR and ICON; the other standard types by their numbers.
function(_qi_resource_script_type out type)
  if(type STREQUAL "GROUP_CURSOR")
    set(${out} CURSOR PARENT_SCOPE)
  elseif(type STREQUAL "GROUP_ICON")
    set(${out} ICON PARENT_SCOPE)
  elseif(type STREQUAL "RCDATA")
    set(${out} RCDATA PARENT_SCOPE)
  else()
    _qi_resource_type_id(id "${type}")
    _qi_resource_script_word(word "${id}")
    set(${out} "${word}" PARENT_SCOPE)
  endif()
endfunction()

# The C++ initializer of a TEmbeddedName: {"TEXT", 0} or {nullptr, id}.
function(_qi_resource_name_initializer out name)
  if(name MATCHES "^#([0-9][0-9]?[0-9]?[0-9]?[0-9]?)$" AND CMAKE_MATCH_1 LESS_EQUAL 65535)
    math(EXPR id "${CMAKE_MATCH_1}")
    set(${out} "{nullptr, ${id}}" PARENT_SCOPE)
  elseif(NOT name MATCHES "^[A-Za-z0-9_.-]+$")
    message(FATAL_ERROR "qi_add_resources: resource names and types are made of letters, digits, "
                        "'_', '.' and '-': '${name}'")
  else()
    set(${out} "{\"${name}\", 0}" PARENT_SCOPE)
  endif()
endfunction()
