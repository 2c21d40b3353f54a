# Where installing puts things (the GNU folder names below the prefix), and the calls that install
# a program for its users and a compressed document.
include(GNUInstallDirs)

# Installed folders are readable by all whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# qi_install_compressed(FILE DESTINATION [install options...]): installs FILE, beside the calling
# CMakeLists.txt, compressed as FILE.gz (as Debian wants manual pages and change logs).
function(qi_install_compressed file destination)
  set(source "${CMAKE_CURRENT_SOURCE_DIR}/${file}")
  set(compressed "${CMAKE_CURRENT_BINARY_DIR}/${file}.gz")
  # -n leaves the name and time out, so the same file gives the same bytes.
  add_custom_command(OUTPUT "${compressed}"
    COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" "${source}" "${compressed}"
    DEPENDS "${source}" VERBATIM)
  string(MAKE_C_IDENTIFIER "compress_${file}" target)
  add_custom_target(${target} ALL DEPENDS "${compressed}")
  install(FILES "${compressed}" DESTINATION "${destination}" ${ARGN})
endfunction()

# qi_install_program(TARGET): installs the executable into bin and its manual page, TARGET.1
# beside the calling CMakeLists.txt, into section 1 of the manual.
function(qi_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  qi_install_compressed(${target}.1 "${CMAKE_INSTALL_MANDIR}/man1")
endfunction()
