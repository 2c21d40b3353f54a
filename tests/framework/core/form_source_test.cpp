#include "framework/core/form_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/form_compiler.h"
#include "framework/core/memory_stream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TFormObject Parse(std::string_view source) {
  return ParseFormSource(source, "test.qform", [](const std::string& path) -> Bytes {
    if (path == "art/a.bin") return {1, 2, 3};
    throw EFOpenError("Cannot open file " + path);
  });
}

std::string ErrorOf(std::string_view source) {
  try {
    Parse(source);
  } catch (const EParserError& error) {
    return error.Message();
  }
  return "no error";
}

const TPropertyValue& ValueOf(const TFormObject& object, std::size_t index) {
  return std::get<TPropertyValue>(object.properties.at(index).value);
}

}  // namespace

TEST(FormSource, ObjectsNestWithValuesOfEveryKind) {
  const TFormObject root = Parse(R"(
    # comment
    TForm Form1 {
      Left = -12  Top = 0x7fFFffFFffFFffFF  Low = -9223372036854775808
      Caption = "say \"hi\"\r\n"   # the text goes on
                "tab\there \\ \x41\0"
      Visible = True  Enabled = false
      Color = clWhite
      Font.Style = [fsBold, fsItalic]  Empty = []
      OnClick = Form1Click
      TPanel Panel1 { TLabel { Caption = "" } }
      TButton OK { }
    })");
  EXPECT_EQ(root.className, "TForm");
  EXPECT_EQ(root.name, "Form1");
  ASSERT_EQ(root.properties.size(), 10u);
  EXPECT_EQ(ValueOf(root, 0), TPropertyValue(std::int64_t{-12}));
  EXPECT_EQ(ValueOf(root, 1), TPropertyValue(std::int64_t{0x7FFFFFFFFFFFFFFF}));
  EXPECT_EQ(ValueOf(root, 2), TPropertyValue(std::numeric_limits<std::int64_t>::min()));
  EXPECT_EQ(ValueOf(root, 3), TPropertyValue(std::string("say \"hi\"\r\ntab\there \\ A\0", 23)));
  EXPECT_EQ(ValueOf(root, 4), TPropertyValue(true));
  EXPECT_EQ(ValueOf(root, 5), TPropertyValue(false));
  EXPECT_EQ(ValueOf(root, 6), TPropertyValue(TIdentValue{"clWhite"}));
  EXPECT_EQ(root.properties[7].name, "Font.Style");
  EXPECT_EQ(ValueOf(root, 7), TPropertyValue(TSetValue{{"fsBold", "fsItalic"}}));
  EXPECT_EQ(ValueOf(root, 8), TPropertyValue(TSetValue{}));
  EXPECT_EQ(ValueOf(root, 9), TPropertyValue(TIdentValue{"Form1Click"}));
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].name, "Panel1");
  ASSERT_EQ(root.children[0].children.size(), 1u);
  EXPECT_EQ(root.children[0].children[0].className, "TLabel");
  EXPECT_EQ(root.children[0].children[0].name, "");
  EXPECT_EQ(root.children[1].name, "OK");
}

TEST(FormSource, BinaryBlocksComposeStringsHexFilesAndLengthPrefixes) {
  const TFormObject root = Parse(R"(
    TImage I {
      Picture.Data = { length8("TGIF") length32(file "art/a.bin") }
      Other.Data = { hex "0A0b FF" "\r" length16() length8(length8("x")) }
      Empty = { }
    })");
  EXPECT_EQ(std::get<TBinaryValue>(root.properties[0].value).bytes,
            (Bytes{4, 'T', 'G', 'I', 'F', 3, 0, 0, 0, 1, 2, 3}));
  EXPECT_EQ(std::get<TBinaryValue>(root.properties[1].value).bytes,
            (Bytes{0x0A, 0x0B, 0xFF, '\r', 0, 0, 2, 1, 'x'}));
  EXPECT_TRUE(std::get<TBinaryValue>(root.properties[2].value).bytes.empty());
}

TEST(FormSource, ErrorsSayWhereAndWhat) {
  const std::string big(256, 'x');
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"TForm F { Left 3 }", "test.qform:1:16: '=' after the property name expected"},
      {"TForm F {\n  Caption = \"open\n}",
       "test.qform:2:18: string not closed before the end of the line"},
      {"TForm F { C = \"\\q\" }", "test.qform:1:17: unknown escape: \\ followed by 'q'"},
      {"TForm F { C = \"\\x4\" }", "test.qform:1:18: two hexadecimal digits expected after \\x"},
      {"TForm F { N = 9223372036854775808 }", "test.qform:1:33: number out of range"},
      {"TForm F { N = 12ab }", "test.qform:1:17: unexpected 'a' in a number"},
      {"TForm F { N = 0x }", "test.qform:1:17: hexadecimal digits expected after 0x"},
      {"TForm F { D = { hex \"ABC\" } }", "test.qform:1:21: odd number of hexadecimal digits"},
      {"TForm F { D = { hex \"AZ\" } }",
       "test.qform:1:21: only hexadecimal digits and spaces may stand after hex"},
      {"TForm F { D = { length8(\"" + big + "\") } }",
       "test.qform:1:17: 256 bytes do not fit in length8"},
      {"TForm F { D = { file \"art/none.gif\" } }",
       "test.qform:1:22: Cannot open file art/none.gif"},
      {"TForm F { D = { 12 } }",
       "test.qform:1:17: binary data expected: a string, hex \"...\", file \"...\", "
       "length8/16/32(...) or '}'"},
      {"TForm F {\n Left = 1\n left = 2 }",
       "test.qform:3:2: property left is already set on line 2"},
      {"TForm F {\n TLabel L {}\n TLabel l {} }",
       "test.qform:3:9: a component named l is already declared on line 2"},
      {"TForm F { } TForm G { }", "test.qform:1:13: only one root object is allowed"},
      {"TForm F { Left = @ }", "test.qform:1:18: unexpected '@'"},
      {"TForm F { Left = }",
       "test.qform:1:18: a value expected: a number, a string, a name, a set "
       "or a binary block"},
      {"TForm F { S = [a b] }", "test.qform:1:18: ',' or ']' expected"},
      {"TForm F { Font. = 1 }", "test.qform:1:17: a name after '.' expected"},
      {"TForm F { Left = 1", "test.qform:1:19: a property, a nested object or '}' expected"},
      {"= 1", "test.qform:1:1: a class name expected"},
  };
  for (const auto& [source, message] : cases)
    EXPECT_EQ(ErrorOf(source), message) << source;

  std::string deepObjects, deepLengths = "TForm F { D = { ";
  for (int i = 0; i < 70; ++i) {
    deepObjects += "TPanel {";
    deepLengths += "length8(";
  }
  EXPECT_EQ(ErrorOf(deepObjects), "test.qform:1:513: nested too deeply");
  EXPECT_EQ(ErrorOf(deepLengths), "test.qform:1:529: nested too deeply");
}

TEST(FormCompiler, BuildTimeOutputMatchesTheLibraryAndListsEveryFileRead) {
  const TCompiledForm compiled = CompileFormFile(QI_SAMPLE_FORM_SOURCE);
  ASSERT_EQ(compiled.dependencies.size(), 2u);
  EXPECT_EQ(compiled.dependencies[0], QI_SAMPLE_FORM_SOURCE);
  // Written with the separators of the platform the compiler runs on.
  EXPECT_TRUE(std::filesystem::path(compiled.dependencies[1])
                  .generic_string()
                  .ends_with("forms/pictures/dot.bin"));
  TMemoryStream built;
  built.LoadFromFile(QI_SAMPLE_FORM_DATA);
  EXPECT_EQ(built.Bytes(), compiled.data);

  EXPECT_EQ(MakeDependencyFile("out dir/f.qfd", {"a b.qform", "c$.gif"}),
            "out\\ dir/f.qfd: \\\n  a\\ b.qform \\\n  c$$.gif\n");
  EXPECT_THROW(CompileFormFile("/no/such/form.qform"), EFOpenError);
}
