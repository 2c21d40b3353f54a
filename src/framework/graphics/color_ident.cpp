#include "framework/graphics/color_ident.h"

#include <cstdint>
#include <limits>

#include "framework/core/exceptions.h"
#include "framework/core/text.h"

namespace {

struct ColorName {
  TColor color;
  const char* name;
};

// Where two names share a colour (clGray and clDkGray), the first is the one written.
constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clGray, "clDkGray"},
    {clSilver, "clLtGray"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

constexpr const char* kInvalidValue = "Invalid property value";

}  // namespace

std::optional<TColor> IdentToColor(std::string_view ident) {
  for (const auto& entry : kColorNames) {
    if (SameText(entry.name, ident)) return entry.color;
  }
  return std::nullopt;
}

std::optional<std::string> ColorToIdent(TColor color) {
  for (const auto& entry : kColorNames) {
    if (entry.color == color) return std::string(entry.name);
  }
  return std::nullopt;
}

TColor ColorFromPropertyValue(const TPropertyValue& value) {
  if (const auto* ident = std::get_if<TIdentValue>(&value)) {
    if (const auto color = IdentToColor(ident->name)) return *color;
    throw EReadError(kInvalidValue);
  }
  const std::int64_t number = AsInteger(value);
  // Form data stores colours as signed 32-bit numbers; system colours are negative there.
  if (number < std::numeric_limits<std::int32_t>::min() ||
      number > std::numeric_limits<std::uint32_t>::max())
    throw EReadError(kInvalidValue);
  return static_cast<TColor>(static_cast<std::uint32_t>(number));
}

TPropertyValue ColorToPropertyValue(TColor color) {
  if (auto ident = ColorToIdent(color)) return TIdentValue{std::move(*ident)};
  return std::int64_t{color};
}
