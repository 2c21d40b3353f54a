#include <gtest/gtest.h>

#include <filesystem>

#include "framework/core/exceptions.h"
#include "framework/core/file_stream.h"
#include "framework/core/memory_stream.h"
#include "support/test_data.h"

TEST(Stream, StrictReadsFailAtTheEndWhereLenientReadsTakeWhatIsThere) {
  TMemoryStream stream({1, 2, 3});
  std::uint8_t buffer[8] = {};
  EXPECT_EQ(stream.Read(buffer, 8), 3);
  EXPECT_EQ(stream.Read(buffer, 8), 0);
  stream.SetPosition(1);
  try {
    stream.ReadBuffer(buffer, 3);
    FAIL() << "a short strict read must fail";
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "Stream read error");
  }
  stream.SetPosition(1);
  EXPECT_NO_THROW(stream.ReadBuffer(buffer, 2));
  EXPECT_TRUE(stream.AtEnd());
  EXPECT_THROW(stream.ReadByte(), EReadError);
}

TEST(Stream, LittleEndianNumbersAndGrowingWrites) {
  TMemoryStream stream;
  stream.WriteUInt32(0x04030201u);
  stream.WriteUInt16(0xBEEF);
  EXPECT_EQ(stream.Size(), 6);
  stream.SetPosition(0);
  EXPECT_EQ(stream.ReadUInt32(), 0x04030201u);
  EXPECT_EQ(stream.ReadUInt16(), 0xBEEF);
  stream.SetPosition(10);
  stream.WriteByte(7);
  EXPECT_EQ(stream.Size(), 11);
  EXPECT_EQ(stream.Memory()[8], 0);
  EXPECT_THROW(stream.Seek(-1, TSeekOrigin::soBeginning), EStreamError);
}

TEST(Stream, SharedBytesStayAsTheyWereWhateverTheStreamDoesNext) {
  TMemoryStream stream({1, 2, 3, 4, 5});
  const TSharedBytes shared = stream.ShareBytes(1, 3);
  EXPECT_EQ(shared.Data(), stream.Bytes().data() + 1) << "shared, not copied";
  const auto expectShared = [&] {
    EXPECT_EQ(std::vector<std::uint8_t>(shared.Span().begin(), shared.Span().end()),
              (std::vector<std::uint8_t>{2, 3, 4}));
  };
  stream.Memory()[1] = 9;
  expectShared();
  EXPECT_EQ(stream.Bytes()[1], 9);
  stream.SetPosition(2);
  stream.WriteByte(8);
  stream.SetSize(2);
  stream.Clear();
  expectShared();
  EXPECT_EQ(stream.Size(), 0);
}

TEST(Stream, CopyFromIsStrictAndZeroMeansEverything) {
  TMemoryStream source({1, 2, 3, 4});
  TMemoryStream target;
  source.SetPosition(3);
  EXPECT_EQ(target.CopyFrom(source, 0), 4);
  EXPECT_EQ(target.Bytes(), (std::vector<std::uint8_t>{1, 2, 3, 4}));
  source.SetPosition(3);
  EXPECT_THROW(target.CopyFrom(source, 2), EReadError);
}

TEST(FileStream, ReportsFilesItCannotCreateOrOpen) {
  qi_test::TempDir dir;
  const std::string missing = (dir.Path() / "no" / "such.bin").string();
  try {
    TFileStream file(missing, TFileStream::fmCreate);
    FAIL();
  } catch (const EFCreateError& error) {
    EXPECT_EQ(error.Message(), "Cannot create file " + missing);
  }
  EXPECT_THROW(TFileStream(missing, TFileStream::fmOpenRead), EFOpenError);

  const std::string name = (dir.Path() / "data.bin").string();
  TMemoryStream({9, 8, 7}).SaveToFile(name);
  TMemoryStream back;
  back.LoadFromFile(name);
  EXPECT_EQ(back.Bytes(), (std::vector<std::uint8_t>{9, 8, 7}));
}
