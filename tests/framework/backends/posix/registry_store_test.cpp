#include "framework/backends/posix/registry_store.h"

#include <gtest/gtest.h>

#include "framework/core/exceptions.h"

namespace {

constexpr const char* kOptions = "HKEY_CURRENT_USER\\Software\\Vesperan\\Options";

// A store as someone may have left it: comments, odd bytes, keys with spaces, other programs' keys.
constexpr const char* kHandWritten =
    "# kept by hand\n"
    "[HKEY_CURRENT_USER\\Software\\Other Vendor\\Some App]\n"
    "\"Window Pos\" = sz:\"10,20\"   \r\n"
    "\"\" = sz:\"default value\"\n"
    "; a comment between values\n"
    "\"Binary\" = binary:\"%00%FF%0A%22%25\"\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Vesperan\\Options]\n"
    "\"ChangeTrayClock\" = sz:\"0\"\n"
    "\"Path\" = sz:\"C:\\Program Files\\Kalidor\"\n"
    "# trailing comment of the key\n"
    "\n"
    "[HKEY_CURRENT_USER\\Key %5Bwith%5D %25 odd\\Part]\n";

TRegistryStore ParseText(std::string_view text) {
  return TRegistryStore::Parse(text, "test store");
}

std::string ParseError(std::string_view text) {
  try {
    ParseText(text);
  } catch (const ERegistryException& error) {
    return error.Message();
  }
  return "parsed";
}

}  // namespace

TEST(RegistryStore, ReadsWhatIsWrittenByHand) {
  const TRegistryStore store = ParseText(kHandWritten);
  EXPECT_EQ(store.Text(), kHandWritten);
  const std::string app = "HKEY_CURRENT_USER\\Software\\Other Vendor\\Some App";
  EXPECT_EQ(store.Value(app, "window pos"), (TRegistryValue{"sz", "10,20"}));
  EXPECT_EQ(store.Value(app, ""), (TRegistryValue{"sz", "default value"}));
  EXPECT_EQ(store.Value(app, "Binary"), (TRegistryValue{"binary", std::string("\0\xFF\n\"%", 5)}));
  EXPECT_EQ(store.Value(kOptions, "Path"), (TRegistryValue{"sz", "C:\\Program Files\\Kalidor"}));
  EXPECT_TRUE(store.KeyExists("HKEY_CURRENT_USER\\Key [with] % odd\\Part"));
  EXPECT_FALSE(store.Value(kOptions, "Missing"));
}

TEST(RegistryStore, AChangeTouchesOnlyItsOwnLine) {
  TRegistryStore store = ParseText(kHandWritten);
  ASSERT_TRUE(store.SetValue(kOptions, "changetrayclock", {"sz", "1"}));
  std::string expected = kHandWritten;
  const std::string old = "\"ChangeTrayClock\" = sz:\"0\"";
  expected.replace(expected.find(old), old.size(), "\"ChangeTrayClock\" = sz:\"1\"");
  EXPECT_EQ(store.Text(), expected) << "the stored name keeps its case, nothing else moves";
}

TEST(RegistryStore, NewValuesGoAfterTheKeysValuesAndNewKeysAtTheEnd) {
  TRegistryStore store = ParseText(kHandWritten);
  ASSERT_TRUE(store.SetValue(kOptions, "New", {"sz", "x"}));
  ASSERT_TRUE(store.SetValue("HKEY_CURRENT_USER\\Fresh Key", "A", {"sz", "line\nbreak"}));
  const std::string text = store.Text();
  EXPECT_NE(text.find("\"Path\" = sz:\"C:\\Program Files\\Kalidor\"\n\"New\" = sz:\"x\"\n"
                      "# trailing comment of the key\n"),
            std::string::npos)
      << text;
  const std::string end =
      "odd\\Part]\n\n[HKEY_CURRENT_USER\\Fresh Key]\n\"A\" = sz:\"line%0Abreak\"\n";
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
  const TRegistryStore reread = ParseText(text);
  EXPECT_EQ(reread.Value("HKEY_CURRENT_USER\\FRESH KEY", "a"),
            (TRegistryValue{"sz", "line\nbreak"}));
  EXPECT_EQ(reread.Value(kOptions, "ChangeTrayClock"), (TRegistryValue{"sz", "0"}));
}

TEST(RegistryStore, ValuesOfAnyBytesAndKeysOfAnyPrintableNameRoundTrip) {
  TRegistryStore store;
  std::string all;
  for (int byte = 0; byte < 256; ++byte)
    all += static_cast<char>(byte);
  const std::string key = "HKEY_CURRENT_USER\\ spaces \\[brackets]\\100%\\\"quoted\"\\tab\there";
  ASSERT_TRUE(store.CreateKey(key));
  ASSERT_TRUE(store.SetValue(key, all, {"sz", all}));
  const TRegistryStore reread = ParseText(store.Text());
  EXPECT_TRUE(reread.KeyExists(key));
  EXPECT_EQ(reread.Value(key, all), (TRegistryValue{"sz", all}));
}

TEST(RegistryStore, KeysExistAlongThePathOfAnyKey) {
  TRegistryStore store;
  ASSERT_TRUE(store.CreateKey(kOptions));
  EXPECT_TRUE(store.KeyExists("HKEY_CURRENT_USER\\Software"));
  EXPECT_TRUE(store.KeyExists("hkey_current_user\\software\\vesperan\\options"));
  EXPECT_FALSE(store.KeyExists("HKEY_CURRENT_USER\\Soft"));
  EXPECT_FALSE(store.KeyExists("HKEY_CURRENT_USER\\Software\\Vesperan\\Options\\Deeper"));
  EXPECT_FALSE(store.CreateKey("HKEY_CURRENT_USER\\Software")) << "already there";
  EXPECT_FALSE(store.SetValue(kOptions, "Same", {"bad type!", "x"}));
  ASSERT_TRUE(store.SetValue(kOptions, "Same", {"sz", "x"}));
  EXPECT_FALSE(store.SetValue(kOptions, "same", {"sz", "x"})) << "an equal value changes nothing";
}

TEST(RegistryStore, RefusesKeyPathsWithEmptyParts) {
  TRegistryStore store;
  for (const char* bad : {"", "\\A", "A\\", "A\\\\B"}) {
    EXPECT_FALSE(TRegistryStore::IsValidKeyPath(bad)) << bad;
    EXPECT_FALSE(store.CreateKey(bad)) << bad;
    EXPECT_FALSE(store.SetValue(bad, "v", {"sz", "x"})) << bad;
  }
}

TEST(RegistryStore, ADamagedStoreNamesTheSourceAndTheLine) {
  EXPECT_EQ(ParseError("[A]\n\"v\" = sz:\"1\"\n\"v\" = sz:\"2\"\n"),
            "The registry store test store is damaged at line 3 (value named twice) and was left "
            "unchanged");
  const struct {
    const char* text;
    const char* where;
  } cases[] = {
      {"\"v\" = sz:\"1\"\n", "line 1 (value outside any key)"},
      {"[A]\n[a]\n", "line 2 (key named twice)"},
      {"[A\n", "line 1 (malformed key)"},
      {"[]\n", "line 1 (malformed key)"},
      {"[A\\\\B]\n", "line 1 (malformed key)"},
      {"[A\\%5C]\n", "line 1 (malformed key)"},
      {"[A]\n\"v\" = sz:\"1\" junk\n", "line 2 (malformed value)"},
      {"[A]\n\"v\" sz:\"1\"\n", "line 2 (malformed value)"},
      {"[A]\n\"v\" = :\"1\"\n", "line 2 (malformed value)"},
      {"[A]\n\"v\" = sz:\"1\n", "line 2 (malformed value)"},
      {"[A]\n\"v\" = sz:\"%ZZ\"\n", "line 2 (malformed value)"},
      {"[A]\n  \"v\" = sz:\"1\"\n", "line 2 (malformed value)"},
      {"[A]\n\"v\x01\" = sz:\"1\"\n", "line 2 (malformed value)"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(ParseError(c.text).find(c.where), std::string::npos) << c.text;
  }
}

TEST(RegistryStore, ANewStoreExplainsItself) {
  const TRegistryStore store;
  EXPECT_EQ(store.Text().rfind("# ", 0), 0u);
  EXPECT_EQ(ParseText(store.Text()).Text(), store.Text());
}
