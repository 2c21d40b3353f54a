#include "framework/core/form_compiler.h"

#include <filesystem>

#include "framework/core/form_data.h"
#include "framework/core/form_source.h"
#include "framework/core/memory_stream.h"

namespace {

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  TMemoryStream stream;
  stream.LoadFromFile(path);
  return stream.Bytes();
}

std::string EscapeForMake(const std::string& path) {
  std::string escaped;
  for (char c : path) {
    if (c == ' ' || c == '#') escaped += '\\';
    if (c == '$') escaped += '$';
    escaped += c;
  }
  return escaped;
}

}  // namespace

TCompiledForm CompileFormFile(const std::string& sourcePath) {
  TCompiledForm compiled;
  compiled.dependencies.push_back(sourcePath);
  const std::vector<std::uint8_t> source = ReadWholeFile(sourcePath);
  const std::filesystem::path folder = std::filesystem::path(sourcePath).parent_path();
  const TFormFileReader readFile = [&](const std::string& name) {
    const std::string path = (folder / name).lexically_normal().string();
    compiled.dependencies.push_back(path);
    return ReadWholeFile(path);
  };
  const std::string_view text(reinterpret_cast<const char*>(source.data()), source.size());
  compiled.data = form_data::Encode(ParseFormSource(text, sourcePath, readFile));
  return compiled;
}

std::string MakeDependencyFile(const std::string& output,
                               const std::vector<std::string>& dependencies) {
  std::string text = EscapeForMake(output) + ":";
  for (const auto& dependency : dependencies)
    text += " \\\n  " + EscapeForMake(dependency);
  return text + "\n";
}
