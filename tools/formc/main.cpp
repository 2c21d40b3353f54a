// qi-formc SOURCE OUTPUT [--depfile FILE]: compiles a form source file into binary form data.
// With --depfile it also writes the files the output was made from, for the build system.

#include <cstdio>
#include <string>
#include <string_view>

#include "framework/core/exceptions.h"
#include "framework/core/file_stream.h"
#include "framework/core/form_compiler.h"

namespace {

constexpr const char* kUsage = "usage: qi-formc SOURCE OUTPUT [--depfile FILE]\n";

void WriteFile(const std::string& path, const void* data, std::size_t size) {
  TFileStream file(path, TFileStream::fmCreate);
  file.WriteBuffer(data, static_cast<std::int64_t>(size));
}

int Run(const std::string& source, const std::string& output, const std::string& depfile) {
  try {
    const TCompiledForm compiled = CompileFormFile(source);
    WriteFile(output, compiled.data.data(), compiled.data.size());
    if (!depfile.empty()) {
      const std::string text = MakeDependencyFile(output, compiled.dependencies);
      WriteFile(depfile, text.data(), text.size());
    }
    return 0;
  } catch (const Exception& error) {
    std::remove(output.c_str());  // no half-written output that looks up to date
    std::fprintf(stderr, "qi-formc: %s\n", error.Message().c_str());
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3) return Run(argv[1], argv[2], "");
  if (argc == 5 && std::string_view(argv[3]) == "--depfile") return Run(argv[1], argv[2], argv[4]);
  std::fputs(kUsage, stderr);
  return 2;
}
