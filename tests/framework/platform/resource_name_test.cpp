#include "framework/platform/resource_name.h"

#include <gtest/gtest.h>

#include "framework/core/exceptions.h"

TEST(ResourceName, AHashAndADecimalNumberNameAnIdentifier) {
  EXPECT_TRUE(TResourceName("#42").IsId());
  EXPECT_EQ(TResourceName("#42").Id(), 42);
  EXPECT_EQ(TResourceName("#65535").Id(), 65535);
  EXPECT_EQ(TResourceName("#42"), TResourceName(42));
  for (const char* text : {"#", "#65536", "#4a", "#-1", "#+1", "42", "#0000001"}) {
    EXPECT_FALSE(TResourceName(text).IsId()) << text;
    EXPECT_EQ(TResourceName(text).Text(), text);
  }
}

TEST(ResourceName, TextsCompareIgnoringCaseButNeverEqualAnIdentifier) {
  EXPECT_EQ(TResourceName("KaldCursor"), TResourceName("KALDCURSOR"));
  EXPECT_FALSE(TResourceName("KALDCURSOR") == TResourceName("KALDCURSOR2"));
  EXPECT_FALSE(TResourceName("42") == TResourceName(42));
  EXPECT_FALSE(TResourceName(41) == TResourceName(42));
}

TEST(ResourceName, AMissingResourceIsReportedByItsName) {
  struct Case {
    TResourceName name;
    const char* message;
  };
  // A name given as text is shown as that text, also when it names an identifier.
  for (const Case& c : {Case{"KALDCURSOR", "Resource KALDCURSOR not found"},
                        Case{42, "Resource 42 not found"}, Case{"#42", "Resource #42 not found"}}) {
    try {
      RaiseResourceNotFound(c.name);
      ADD_FAILURE() << c.message;
    } catch (const EResNotFound& error) {
      EXPECT_EQ(error.Message(), c.message);
    }
  }
}
