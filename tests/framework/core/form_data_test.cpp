#include "framework/core/form_data.h"

#include <gtest/gtest.h>

#include <limits>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TFormObject EveryKindOfValue() {
  TFormObject child{"TLabel", "", {{"Caption", TPropertyValue(std::string("a\0b", 3))}}, {}};
  return TFormObject{"TForm",
                     "Form1",
                     {{"Min", TPropertyValue(std::numeric_limits<std::int64_t>::min())},
                      {"Max", TPropertyValue(std::numeric_limits<std::int64_t>::max())},
                      {"Zero", TPropertyValue(std::int64_t{0})},
                      {"Yes", TPropertyValue(true)},
                      {"No", TPropertyValue(false)},
                      {"Empty", TPropertyValue(std::string())},
                      {"Color", TPropertyValue(TIdentValue{"clWhite"})},
                      {"Font.Style", TPropertyValue(TSetValue{{"fsBold", "fsItalic"}})},
                      {"None", TPropertyValue(TSetValue{})},
                      {"Picture.Data", TBinaryValue{{0, 1, 2, 255}}}},
                     {child, TFormObject{"TPanel", "Panel1", {}, {child}}}};
}

Bytes Header() {
  return {'Q', 'I', 'F', 'D', 1};
}

std::string ErrorOf(const Bytes& data) {
  try {
    form_data::Decode(data);
  } catch (const EReadError& error) {
    return error.Message();
  }
  return "no error";
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST(FormData, EveryKindOfValueSurvivesEncoding) {
  const TFormObject form = EveryKindOfValue();
  EXPECT_EQ(form_data::Decode(form_data::Encode(form)), form);
}

TEST(FormData, EveryTruncationIsAReadError) {
  const Bytes data = form_data::Encode(EveryKindOfValue());
  for (std::size_t size = 0; size < data.size(); ++size) {
    EXPECT_THROW(form_data::Decode({data.data(), size}), EReadError) << size;
  }
}

TEST(FormData, CorruptedBytesGiveAReadErrorOrAWellFormedTree) {
  const Bytes data = form_data::Encode(EveryKindOfValue());
  for (std::size_t i = 0; i < data.size(); ++i) {
    for (const int flip : {0x01, 0x80, 0xFF}) {
      Bytes bad = data;
      bad[i] = static_cast<std::uint8_t>(bad[i] ^ flip);
      try {
        const TFormObject tree = form_data::Decode(bad);
        EXPECT_NO_THROW(form_data::Encode(tree)) << i;  // whatever is accepted is well formed
      } catch (const EReadError&) {
      }
    }
  }
}

TEST(FormData, MalformedPartsAreNamedWithTheirOffset) {
  const Bytes emptyForm = Bytes{5, 'T', 'F', 'o', 'r', 'm', 0, 0, 0};
  EXPECT_EQ(ErrorOf(Header() + emptyForm), "no error");
  EXPECT_EQ(ErrorOf({'Q', 'I', 'F'}), "Invalid form data: the signature is missing at byte 0");
  EXPECT_EQ(ErrorOf(Bytes{'Q', 'I', 'F', 'D', 2} + emptyForm),
            "Invalid form data: unsupported version 2 at byte 5");
  EXPECT_EQ(ErrorOf(Header() + emptyForm + Bytes{0}),
            "Invalid form data: unexpected data after the form at byte 14");
  EXPECT_EQ(ErrorOf(Header() + Bytes{5, '1', 'F', 'o', 'r', 'm', 0, 0, 0}),
            "Invalid form data: invalid class name at byte 5");
  // A length far beyond the data, and one beyond 64 bits.
  EXPECT_EQ(ErrorOf(Header() + Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x0F}),
            "Invalid form data: length past the end of data at byte 5");
  EXPECT_EQ(ErrorOf(Header() + Bytes(9, 0xFF) + Bytes{0x7F}),
            "Invalid form data: number too large at byte 5");
  const Bytes property = Bytes{5, 'T', 'F', 'o', 'r', 'm', 0, 1, 'X'};
  EXPECT_EQ(ErrorOf(Header() + property + Bytes{9}),
            "Invalid form data: unknown value tag 9 at byte 14");
  EXPECT_EQ(ErrorOf(Header() + property + Bytes{6, 200, 1}),
            "Invalid form data: length past the end of data at byte 15");
  EXPECT_EQ(ErrorOf(Header() + Bytes{5, 'T', 'F', 'o', 'r', 'm', 0, 2, 'X', '.', 5, 0, 0, 0}),
            "Invalid form data: invalid property name at byte 12");

  Bytes deep = Header();
  for (int i = 0; i < 65; ++i)
    deep = deep + Bytes{2, 'T', 'P', 0, 0};
  EXPECT_EQ(ErrorOf(deep), "Invalid form data: objects nested too deeply at byte 328");
}

TEST(FormData, TheEncoderRefusesWhatTheDecoderWouldRefuse) {
  EXPECT_THROW(form_data::Encode({"", "", {}, {}}), EWriteError);
  EXPECT_THROW(form_data::Encode({"TForm", "Form 1", {}, {}}), EWriteError);
  EXPECT_THROW(form_data::Encode({"TForm", "", {{"Font.", TPropertyValue(true)}}, {}}),
               EWriteError);
  EXPECT_THROW(form_data::Encode({"TForm", "", {{"X", TPropertyValue(TIdentValue{"1a"})}}, {}}),
               EWriteError);
}
