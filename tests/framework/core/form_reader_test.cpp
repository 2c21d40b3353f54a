#include "framework/core/form_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_form.h"
#include "framework/core/exceptions.h"
#include "framework/core/form_data.h"
#include "framework/core/form_source.h"
#include "framework/core/form_writer.h"
#include "framework/core/memory_stream.h"
#include "framework/core/property_table.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes SampleData() {
  TMemoryStream stream;
  stream.LoadFromFile(QI_SAMPLE_FORM_DATA);
  return stream.Bytes();
}

Bytes Compile(std::string_view source) {
  return form_data::Encode(
      ParseFormSource(source, "test.qform", [](const std::string&) -> Bytes { return {}; }));
}

std::unique_ptr<TFakeForm> Read(const Bytes& data) {
  auto form = std::make_unique<TFakeForm>(nullptr);
  TMemoryStream stream(data);
  ReadRootComponent(*form, stream);
  return form;
}

Bytes Write(TFakeForm& form, const TComponent* ancestor = nullptr) {
  TMemoryStream stream;
  WriteRootComponent(stream, form, ancestor);
  return stream.Bytes();
}

std::string ReadError(const Bytes& data) {
  TFakeForm form(nullptr);
  TMemoryStream stream(data);
  try {
    ReadRootComponent(form, stream);
  } catch (const EReadError& error) {
    return error.Message();
  }
  return "no error";
}

std::string Describe(const TPropertyValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
  if (const auto* text = std::get_if<std::string>(&value)) return '"' + *text + '"';
  if (const auto* ident = std::get_if<TIdentValue>(&value)) return ident->name;
  std::string members;
  for (const auto& member : std::get<TSetValue>(value).members)
    members += member + ",";
  return "[" + members + "]";
}

void DescribeObject(TPersistent& object, const std::string& prefix, std::vector<std::string>& out) {
  for (const TPropertyInfo* info : object.Properties().All()) {
    if (info->kind == TPropertyKind::kValue) {
      out.push_back(prefix + info->name + "=" + Describe(info->read(object)));
    } else if (info->kind == TPropertyKind::kObject) {
      DescribeObject(*info->object(object), prefix + info->name + ".", out);
    }
  }
}

// Every value of every component, its class, name and parent, and its picture's bytes.
std::vector<std::string> Snapshot(TFakeForm& form) {
  std::vector<std::string> lines;
  std::vector<TFakeControl*> controls{&form};
  for (int i = 0; i < form.ComponentCount(); ++i) {
    controls.push_back(dynamic_cast<TFakeControl*>(form.Components(i)));
  }
  for (TFakeControl* control : controls) {
    TComponent* parent = control->GetParentComponent();
    lines.push_back(std::string(control->ClassName()) + " " + control->Name() + " in " +
                    (parent != nullptr ? parent->Name() : "-"));
    DescribeObject(*control, "  ", lines);
    const Bytes& picture = control->Picture().data;
    lines.push_back("  Picture=" + std::string(picture.begin(), picture.end()));
  }
  return lines;
}

class FormReader : public testing::Test {
 protected:
  void SetUp() override { RegisterFakeFormClasses(); }
};

class FormWriter : public FormReader {};

}  // namespace

TEST_F(FormReader, BuildsTheFormFromCompiledData) {
  const auto form = Read(SampleData());
  EXPECT_EQ(form->Name(), "FakeForm");
  EXPECT_EQ(form->Caption(), "A \"fake\" form\r\non two lines");
  EXPECT_EQ(form->Left(), 16);
  EXPECT_EQ(form->Color(), 0xFFFFFF);
  EXPECT_EQ(form->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form->Font().Color(), 0x800000);
  ASSERT_EQ(form->ComponentCount(), 4);

  ASSERT_NE(form->Panel1, nullptr);
  EXPECT_EQ(form->Panel1->GetParentComponent(), form.get());
  EXPECT_EQ(form->Panel1->Color(), 13303807);
  EXPECT_EQ(form->Panel1->Align(), faClient);

  ASSERT_NE(form->Label1, nullptr);
  EXPECT_EQ(form->Label1->GetParentComponent(), form->Panel1);
  EXPECT_EQ(form->Label1->Top(), -5);
  EXPECT_EQ(form->Label1->Font().Style(), 3u);
  EXPECT_FALSE(form->Label1->Visible());

  auto* unnamed = dynamic_cast<TFakeControl*>(form->Components(2));
  EXPECT_EQ(unnamed->Name(), "");
  EXPECT_EQ(unnamed->GetParentComponent(), form->Panel1);
  const Bytes picture = {10, 'T', 'F', 'a',  'k', 'e', 'I', 'm',  'a',  'g', 'e', 9,
                         0,  0,   0,   0x89, 'D', 'O', 'T', '\r', '\n', 0,   1,   2};
  EXPECT_EQ(unnamed->Picture().data, picture);

  ASSERT_NE(form->Button1, nullptr);
  EXPECT_EQ(form->Button1->Picture().data, (Bytes{0, 1, 0xFF, 'a', 'b', 'c'}));
  ASSERT_TRUE(form->Button1->OnClick());
  form->Button1->OnClick()(form->Button1);
  ASSERT_TRUE(form->OnCreate());
  form->OnCreate()(form.get());
  EXPECT_EQ(form->log.back(), "FormCreate FakeForm");
  EXPECT_EQ(form->log.end()[-2], "ButtonClick Button1");
}

TEST_F(FormReader, ComponentsAreReadingUntilTheEndThenLoadedInCreationOrder) {
  const auto form = Read(SampleData());
  for (TFakeControl* control : {static_cast<TFakeControl*>(form.get()),
                                static_cast<TFakeControl*>(form->Panel1), form->Label1}) {
    EXPECT_EQ(control->stateAtLeft, csLoading | csReading) << control->Name();
    EXPECT_EQ(control->ComponentState(), 0u) << control->Name();
  }
  EXPECT_EQ(form->Label1->parentAtLeft, form->Panel1);  // the parent comes before the properties
  EXPECT_EQ(form->log, (std::vector<std::string>{"Loaded FakeForm", "Loaded Panel1",
                                                 "Loaded Label1", "Loaded ", "Loaded Button1"}));
}

TEST_F(FormReader, UnknownNamesAndWrongValuesAreReadErrorsSayingWhere) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"TFakeControl Label1 { Capton = \"x\" }",
       "Error reading Label1.Capton: property does not exist"},
      {"TFakeLabel Label1 { }", "Error reading Label1: class TFakeLabel not found"},
      {"TFakeFont Label1 { }", "Error reading Label1: class TFakeFont is not a component"},
      {"TFakeControl Button1 { OnClick = ButtonClik }",
       "Error reading Button1.OnClick: handler ButtonClik not found"},
      {"TFakeControl Button1 { OnClick = \"ButtonClick\" }",
       "Error reading Button1.OnClick: Invalid property value"},
      {"TFakeControl Label1 { Font.Nme = \"x\" }",
       "Error reading Label1.Font.Nme: property does not exist"},
      {"TFakeControl Label1 { Caption.Text = \"x\" }",
       "Error reading Label1.Caption.Text: Caption is not an object property"},
      {"TFakeControl Label1 { Font = 1 }", "Error reading Label1.Font: Invalid property value"},
      {"TFakeControl Label1 { Left = \"8\" }", "Error reading Label1.Left: Invalid property value"},
      {"TFakeControl Label1 { Align = faBottom }",
       "Error reading Label1.Align: Invalid property value"},
      {"TFakeControl Label1 { Font.Style = [fsBold, fsShadow] }",
       "Error reading Label1.Font.Style: Invalid property value"},
      {"TFakeControl Label1 { Left = { } }", "Error reading Label1.Left: Invalid property value"},
      {"TFakeControl Label1 { Picture.Pixels = { } }",
       "Error reading Label1.Picture.Pixels: property does not exist"},
      {"TFakeControl { Left = false }", "Error reading TFakeControl.Left: Invalid property value"},
  };
  for (const auto& [child, message] : cases) {
    const std::string source = "TFakeForm F { TFakePanel Panel1 { } " + child + " }";
    EXPECT_EQ(ReadError(Compile(source)), message) << child;
  }
  EXPECT_EQ(ReadError(Compile("TFakeForm F { Left = true }")),
            "Error reading F.Left: Invalid property value");
}

TEST_F(FormReader, AFailureLeavesTheCreatedComponentsWithTheirOwner) {
  // Two components of one name cannot come from the compiler, only from other data.
  TFormObject tree{"TFakeForm", "F", {}, {}};
  tree.children.push_back({"TFakePanel", "Panel1", {}, {}});
  tree.children.push_back({"TFakeControl", "panel1", {}, {}});
  TFakeForm form(nullptr);
  TMemoryStream stream(form_data::Encode(tree));
  try {
    ReadRootComponent(form, stream);
    FAIL();
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "Error reading panel1: a component named panel1 already exists");
  }
  EXPECT_EQ(form.ComponentCount(), 2);
  EXPECT_EQ(form.Panel1->ComponentState(), static_cast<TComponentState>(csLoading));
  EXPECT_TRUE(form.log.empty());  // no Loaded after a failure
}

TEST_F(FormReader, MalformedDataIsAReadError) {
  const Bytes data = SampleData();
  EXPECT_EQ(ReadError({}), "Invalid form data: the signature is missing at byte 0");
  for (std::size_t size = 0; size < data.size(); size += 7) {
    EXPECT_NE(ReadError(Bytes(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size))),
              "no error");
  }
}

TEST_F(FormWriter, WhatIsWrittenReadsBackToTheSameValues) {
  const auto form = Read(SampleData());
  const Bytes written = Write(*form);
  const auto again = Read(written);
  EXPECT_EQ(Snapshot(*again), Snapshot(*form));
  EXPECT_EQ(Write(*again), written);
}

TEST_F(FormWriter, OnlyValuesThatDifferFromTheDefaultsOrTheAncestorAreWritten) {
  const auto form = Read(SampleData());
  const TFormObject alone = form_data::Decode(Write(*form));
  std::vector<std::string> names;
  for (const auto& property : alone.properties)
    names.push_back(property.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"Left", "Caption", "Font.Name", "Font.Color", "Color"}));
  EXPECT_EQ(alone.children.size(), 2u);  // Panel1 with its two, and Button1
  EXPECT_EQ(alone.children[1].properties.at(0).name, "Picture.Data");

  const auto ancestor = Read(SampleData());
  form->Label1->SetCaption("changed");
  const TFormObject derived = form_data::Decode(Write(*form, ancestor.get()));
  EXPECT_TRUE(derived.properties.empty());
  const TFormObject& panel = derived.children.at(0);
  EXPECT_TRUE(panel.properties.empty());
  EXPECT_EQ(panel.children.at(0).properties,
            (std::vector<TFormProperty>{{"Caption", TPropertyValue(std::string("changed"))}}));
  // The unnamed control has no counterpart: its picture is written, compared with nothing.
  EXPECT_EQ(panel.children.at(1).properties.back().name, "Picture.Data");
  EXPECT_EQ(dynamic_cast<TFakeControl*>(form->Components(2))->Picture().seenAncestor, nullptr);
  EXPECT_EQ(form->Button1->Picture().seenAncestor, &ancestor->Button1->Picture());
}
