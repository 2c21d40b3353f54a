#include "framework/core/form_data.h"

#include <cstring>
#include <string>
#include <string_view>

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

namespace {

constexpr char kSignature[4] = {'Q', 'I', 'F', 'D'};

enum ValueTag : std::uint8_t {
  kInteger = 1,  // zigzag variable-length number
  kFalse = 2,
  kTrue = 3,
  kString = 4,  // text
  kIdent = 5,   // text
  kSet = 6,     // count, then that many texts
  kBinary = 7,  // length, then that many bytes
};

bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c) {
  return IsNameStart(c) || (c >= '0' && c <= '9');
}

std::uint64_t ZigZag(std::int64_t value) {
  return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

std::int64_t UnZigZag(std::uint64_t value) {
  return static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
}

class Encoder {
 public:
  std::vector<std::uint8_t> Run(const TFormObject& root) {
    out_.assign(std::begin(kSignature), std::end(kSignature));
    out_.push_back(form_data::kVersion);
    Object(root, 1);
    return std::move(out_);
  }

 private:
  [[noreturn]] static void Fail(std::string_view what) {
    throw EWriteError(Format("Cannot write form data: %s", {what}));
  }

  void Number(std::uint64_t value) {
    while (value >= 0x80) {
      out_.push_back(static_cast<std::uint8_t>(value | 0x80));
      value >>= 7;
    }
    out_.push_back(static_cast<std::uint8_t>(value));
  }

  void Bytes(const void* data, std::size_t size) {
    Number(size);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out_.insert(out_.end(), bytes, bytes + size);
  }

  void Text(std::string_view text) { Bytes(text.data(), text.size()); }

  void Name(std::string_view name) {
    if (!form_data::IsName(name)) Fail(Format("invalid name \"%s\"", {name}));
    Text(name);
  }

  void Object(const TFormObject& object, int depth) {
    if (depth > form_data::kMaxDepth) Fail("objects nested too deeply");
    Name(object.className);
    if (object.name.empty()) {
      Text("");  // an unnamed object
    } else {
      Name(object.name);
    }
    for (const auto& property : object.properties) {
      if (!form_data::IsPropertyPath(property.name))
        Fail(Format("invalid property name \"%s\"", {property.name}));
      Text(property.name);
      Value(property.value);
    }
    Text("");
    for (const auto& child : object.children)
      Object(child, depth + 1);
    Text("");
  }

  void Value(const TFormValue& value) {
    if (const auto* binary = std::get_if<TBinaryValue>(&value)) {
      out_.push_back(kBinary);
      Bytes(binary->bytes.data(), binary->bytes.size());
      return;
    }
    std::visit([this](const auto& v) { Plain(v); }, std::get<TPropertyValue>(value));
  }

  void Plain(std::int64_t v) {
    out_.push_back(kInteger);
    Number(ZigZag(v));
  }
  void Plain(bool v) { out_.push_back(v ? kTrue : kFalse); }
  void Plain(const std::string& v) {
    out_.push_back(kString);
    Text(v);
  }
  void Plain(const TIdentValue& v) {
    out_.push_back(kIdent);
    Name(v.name);
  }
  void Plain(const TSetValue& v) {
    out_.push_back(kSet);
    Number(v.members.size());
    for (const auto& member : v.members)
      Name(member);
  }

  std::vector<std::uint8_t> out_;
};

// Reads the layout back. Every length is checked against the bytes that are left before anything
// is allocated or copied.
class Decoder {
 public:
  explicit Decoder(std::span<const std::uint8_t> data) : data_(data) {}

  TFormObject Run() {
    if (data_.size() < sizeof kSignature || std::memcmp(data_.data(), kSignature, 4) != 0)
      Fail("the signature is missing");
    position_ = sizeof kSignature;
    const std::uint8_t version = Byte();
    if (version != form_data::kVersion) Fail(Format("unsupported version %d", {version}));
    TFormObject root = Object(Name("class name"), 1);
    if (position_ != data_.size()) Fail("unexpected data after the form");
    return root;
  }

 private:
  [[noreturn]] void Fail(std::string_view what) const { FailAt(position_, what); }
  [[noreturn]] static void FailAt(std::size_t offset, std::string_view what) {
    throw EReadError(
        Format("Invalid form data: %s at byte %d", {what, static_cast<std::int64_t>(offset)}));
  }

  std::uint8_t Byte() {
    if (position_ >= data_.size()) Fail("unexpected end of data");
    return data_[position_++];
  }

  std::uint64_t Number() {
    const std::size_t start = position_;
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      const std::uint8_t byte = Byte();
      value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
      if ((byte & 0x80) == 0 && (shift < 63 || byte <= 1)) return value;
    }
    FailAt(start, "number too large");
  }

  // A length of bytes that must still be there.
  std::size_t Length() {
    const std::size_t start = position_;
    const std::uint64_t length = Number();
    if (length > data_.size() - position_) FailAt(start, "length past the end of data");
    return static_cast<std::size_t>(length);
  }

  std::string_view Text() {
    const std::size_t length = Length();
    std::string_view text(reinterpret_cast<const char*>(data_.data() + position_), length);
    position_ += length;
    return text;
  }

  std::string Name(std::string_view what) {
    const std::size_t start = position_;
    const std::string_view text = Text();
    if (!form_data::IsName(text)) FailAt(start, Format("invalid %s", {what}));
    return std::string(text);
  }

  TFormObject Object(std::string className, int depth) {
    if (depth > form_data::kMaxDepth) Fail("objects nested too deeply");
    TFormObject object;
    object.className = std::move(className);
    if (!TakeEnd()) object.name = Name("object name");
    while (!TakeEnd()) {
      object.properties.push_back(Property());
    }
    while (!TakeEnd()) {
      object.children.push_back(Object(Name("class name"), depth + 1));
    }
    return object;
  }

  // An empty text, which ends a list where the next name would stand: taken when it is there.
  bool TakeEnd() {
    if (Byte() == 0) return true;
    --position_;
    return false;
  }

  TFormProperty Property() {
    const std::size_t start = position_;
    const std::string_view name = Text();
    if (!form_data::IsPropertyPath(name)) FailAt(start, "invalid property name");
    return {std::string(name), Value()};
  }

  TFormValue Value() {
    const std::uint8_t tag = Byte();
    switch (tag) {
      case kInteger:
        return TPropertyValue(UnZigZag(Number()));
      case kFalse:
        return TPropertyValue(false);
      case kTrue:
        return TPropertyValue(true);
      case kString:
        return TPropertyValue(std::string(Text()));
      case kIdent:
        return TPropertyValue(TIdentValue{Name("identifier")});
      case kSet:
        return TPropertyValue(Set());
      case kBinary: {
        const std::size_t length = Length();
        const auto* bytes = data_.data() + position_;
        position_ += length;
        return TBinaryValue{{bytes, bytes + length}};
      }
      default:
        FailAt(position_ - 1, Format("unknown value tag %d", {tag}));
    }
  }

  TSetValue Set() {
    // Each member takes at least one byte, so a count above what is left is malformed.
    const std::size_t count = Length();
    TSetValue set;
    set.members.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
      set.members.push_back(Name("set member"));
    return set;
  }

  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
};

}  // namespace

namespace form_data {

std::vector<std::uint8_t> Encode(const TFormObject& root) {
  return Encoder().Run(root);
}

TFormObject Decode(std::span<const std::uint8_t> data) {
  return Decoder(data).Run();
}

bool IsName(std::string_view text) {
  if (text.empty() || !IsNameStart(text[0])) return false;
  for (char c : text) {
    if (!IsNameChar(c)) return false;
  }
  return true;
}

bool IsPropertyPath(std::string_view text) {
  for (;;) {
    const std::size_t dot = text.find('.');
    if (!IsName(text.substr(0, dot))) return false;
    if (dot == std::string_view::npos) return true;
    text.remove_prefix(dot + 1);
  }
}

}  // namespace form_data
