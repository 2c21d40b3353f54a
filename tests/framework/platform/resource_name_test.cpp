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
  try {
    RaiseResourceNotFound("KALDCURSOR");
  } catch (const EResNotFound& error) {
    EXPECT_EQ(error.Message(), "Resource KALDCURSOR not found");
  }
  try {
    RaiseResourceNotFound(42);
  } catch (const EResNotFound& error) {
    EXPECT_EQ(error.Message(), "Resource 42 not found");
  }
}
