# Run by qi_add_resources at build time: writes OUTPUT, a C++ table of the resources that LIST
# names, one a line as "<name initializer>, <type initializer>|<file>".
file(STRINGS "${LIST}" entries)
set(arrays "")
set(rows "")
set(index 0)
foreach(entry IN LISTS entries)
  string(FIND "${entry}" "|" bar REVERSE)
  string(SUBSTRING "${entry}" 0 ${bar} names)
  math(EXPR file_start "${bar} + 1")
  string(SUBSTRING "${entry}" ${file_start} -1 file)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  if(size EQUAL 0)
    set(bytes "0")  # an array can't be empty; the size below says there is nothing
  else()
    string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
    string(REPEAT "0x..," 16 row)
    string(REGEX REPLACE "(${row})" "\\1\n" bytes "${bytes}")
  endif()
  string(APPEND arrays "// ${file}\nconst std::uint8_t kData${index}[] = {\n${bytes}};\n\n")
  string(APPEND rows "    {${names}, kData${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()

file(WRITE "${OUTPUT}" "// Made by qi_add_resources from the files named below; edit those instead.
#include <cstdint>

#include \"framework/backends/posix/embedded_resources.h\"

namespace {

${arrays}const TEmbeddedResource kResources[] = {
${rows}};

const TEmbeddedResourceRegistration kRegistration(kResources);

}  // namespace
")
