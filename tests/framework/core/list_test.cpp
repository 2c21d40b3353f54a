#include "framework/core/list.h"

#include <gtest/gtest.h>

#include "framework/core/string_list.h"

TEST(List, IndexOutsideTheListRaisesListError) {
  int a = 1, b = 2;
  TList<int> list;
  EXPECT_THROW(list.Items(0), EListError);
  list.Add(&a);
  list.Add(&b);
  EXPECT_EQ(list[1], &b);
  EXPECT_THROW(list.Items(-1), EListError);
  EXPECT_THROW(list.Items(2), EListError);
  EXPECT_THROW(list.Delete(2), EListError);
  EXPECT_THROW(list.Insert(3, &a), EListError);
  try {
    list.Items(5);
  } catch (const EListError& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds");
  }
}

TEST(List, MoveAndRemoveKeepTheOrder) {
  int a = 1, b = 2, c = 3;
  TList<int> list;
  list.Add(&a);
  list.Add(&b);
  list.Add(&c);
  list.Move(2, 0);
  EXPECT_EQ(list[0], &c);
  EXPECT_EQ(list[2], &b);
  EXPECT_EQ(list.Remove(&a), 1);
  EXPECT_EQ(list.Remove(&a), -1);
  EXPECT_EQ(list.Count(), 2);
}

TEST(StringList, HoldsAnyBytesAndSplitsText) {
  TStringList lines;
  lines.Add(std::string("a\0b", 3));
  EXPECT_EQ(lines[0].size(), 3u);
  EXPECT_THROW(lines.Strings(1), EListError);
  lines.SetText("one\r\ntwo\nthree\rfour");
  ASSERT_EQ(lines.Count(), 4);
  EXPECT_EQ(lines[3], "four");
  EXPECT_EQ(lines.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
}
