#include "framework/core/file_replacement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/core/exceptions.h"
#include "framework/core/file_stream.h"
#include "support/test_data.h"

namespace {

namespace fs = std::filesystem;

std::string Text(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::span<const std::uint8_t> BytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

TEST(FileReplacement, NewContentTakesTheOldFilesPlaceAndNothingElseStays) {
  qi_test::TempDir dir;
  const fs::path file = dir.Path() / "out.bin";
  ReplaceFile(file.string(), BytesOf("first"));
  std::ofstream(dir.Path() / "out.bin.~0.tmp") << "someone else's";
  ReplaceFile(file.string(), BytesOf("second"));
  EXPECT_EQ(Text(file), "second");
  EXPECT_EQ(Text(dir.Path() / "out.bin.~0.tmp"), "someone else's");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

TEST(FileReplacement, AFailureLeavesWhatWasThereAndNoTemporaryFile) {
  qi_test::TempDir dir;
  // A folder with something in it cannot be replaced by a file.
  const fs::path folder = dir.Path() / "taken";
  fs::create_directory(folder);
  std::ofstream(folder / "inside") << "kept";
  EXPECT_THROW(ReplaceFile(folder.string(), BytesOf("new")), EFCreateError);
  EXPECT_EQ(Text(folder / "inside"), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(FileStream, FlushReportsBytesTheSystemCouldNotTake) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  TFileStream full("/dev/full", TFileStream::fmOpenWrite);
  full.WriteBuffer("buffered", 8);
  EXPECT_THROW(full.Flush(), EWriteError);
}
