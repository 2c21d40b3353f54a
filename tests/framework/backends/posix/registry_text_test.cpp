#include "framework/backends/posix/registry_text.h"

#include <gtest/gtest.h>

TEST(RegistryText, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte)
    all += static_cast<char>(byte);
  const std::string text = EncodeRegistryText(all, "\"");
  for (const char c : text) {
    EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "unprintable byte " << int(c) << " written as itself";
  }
  EXPECT_EQ(text.find('"'), std::string::npos);
  std::string back;
  ASSERT_TRUE(DecodeRegistryText(text, "\"", back));
  EXPECT_EQ(back, all);
}

TEST(RegistryText, PrintableTextStaysReadable) {
  EXPECT_EQ(EncodeRegistryText("Software\\My Key", "[]"), "Software\\My Key");
  EXPECT_EQ(EncodeRegistryText("100% [sure]\n", "[]"), "100%25 %5Bsure%5D%0A");
  std::string bytes;
  ASSERT_TRUE(DecodeRegistryText("%c3%A9", "", bytes));
  EXPECT_EQ(bytes, "\xC3\xA9");
}

TEST(RegistryText, RefusesWhatItWouldNeverWrite) {
  std::string bytes;
  for (const char* bad : {"%", "%4", "%G0", "tab\there", "raw \"quote", "\xC3\xA9"}) {
    EXPECT_FALSE(DecodeRegistryText(bad, "\"", bytes)) << bad;
  }
}
