#include "framework/core/property_table.h"

#include <gtest/gtest.h>

#include "framework/core/component.h"
#include "framework/core/exceptions.h"

namespace {

enum class Align { kNone, kTop, kClient };

class Widget : public TComponent {
 public:
  using TComponent::TComponent;
  int Left() const { return left_; }
  void SetLeft(int value) { left_ = value; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  Align Alignment() const { return align_; }
  void SetAlignment(Align value) { align_ = value; }
  unsigned Style() const { return style_; }
  void SetStyle(unsigned value) { style_ = value; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
  TComponent& Inner() { return inner_; }
  const TNotifyEvent& OnClick() const { return onClick_; }

  static const TPropertyTable& StaticProperties() {
    static const TPropertyTable table =
        TPropertyTable()
            .Integer("Left", &Widget::Left, &Widget::SetLeft, 0)
            .String("Caption", &Widget::Caption, &Widget::SetCaption)
            .Enum("Align", &Widget::Alignment, &Widget::SetAlignment,
                  {{"alNone", 0}, {"alTop", 1}, {"alClient", 2}}, 0)
            .Set("Style", &Widget::Style, &Widget::SetStyle, {{"fsBold", 0}, {"fsItalic", 1}})
            .Object("Inner", &Widget::Inner)
            .Event("OnClick", &Widget::SetOnClick);
    return table;
  }
  const TPropertyTable& Properties() const override { return StaticProperties(); }

 private:
  int left_ = 0;
  std::string caption_;
  Align align_ = Align::kNone;
  unsigned style_ = 0;
  TNotifyEvent onClick_;
  TComponent inner_{nullptr};
};

}  // namespace

TEST(PropertyTable, SetsAndReadsValuesByNameIgnoringCase) {
  Widget w(nullptr);
  const TPropertyTable& table = w.Properties();
  table.Find("left")->write(w, std::int64_t{42});
  table.Find("Caption")->write(w, std::string("Hello"));
  table.Find("Align")->write(w, TIdentValue{"alClient"});
  table.Find("Style")->write(w, TSetValue{{"fsItalic", "fsBold"}});
  EXPECT_EQ(w.Left(), 42);
  EXPECT_EQ(w.Caption(), "Hello");
  EXPECT_EQ(w.Alignment(), Align::kClient);
  EXPECT_EQ(w.Style(), 3u);
  EXPECT_EQ(std::get<TIdentValue>(table.Find("Align")->read(w)).name, "alClient");
  EXPECT_EQ(std::get<TSetValue>(table.Find("Style")->read(w)).members.size(), 2u);
  EXPECT_EQ(table.Find("Inner")->object(w), &w.Inner());
  EXPECT_EQ(table.Find("Nothing"), nullptr);
}

TEST(PropertyTable, WrongKindsAndUnknownIdentifiersAreReadErrors) {
  Widget w(nullptr);
  const TPropertyTable& table = w.Properties();
  EXPECT_THROW(table.Find("Left")->write(w, std::string("x")), EReadError);
  EXPECT_THROW(table.Find("Align")->write(w, TIdentValue{"alBottom"}), EReadError);
  EXPECT_THROW(table.Find("Style")->write(w, TSetValue{{"fsUnderline"}}), EReadError);
}

TEST(PropertyTable, InheritsAndOverridesItsBaseTable) {
  TPropertyTable derived(&Widget::StaticProperties());
  derived.Integer("Left", &Widget::Left, &Widget::SetLeft, 7);
  const auto all = derived.All();
  ASSERT_EQ(all.size(), 6u);
  EXPECT_EQ(all[0]->name, "Left");
  EXPECT_EQ(std::get<std::int64_t>(*all[0]->defaultValue), 7);
}
