#include "cursors/icon_list.h"

#include <memory>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/filer.h"
#include "framework/core/memory_stream.h"
#include "framework/core/messages.h"
#include "framework/graphics/picture.h"
#include "framework/platform/platform_services.h"

std::uint16_t CF_ICON = 0;

namespace {

constexpr const char* kIconClipboardFormatName = "Morvel Icon";

// The program's icon group of that name; an empty icon when there is none or it can't be read,
// as the platform's icon loader gives no icon then.
void LoadIconResource(TIcon& icon, const TResourceName& name) {
  const auto data = Platform().FindResource(name, RT_GROUP_ICON);
  if (!data) return;
  TMemoryStream stream(std::vector<std::uint8_t>(data->begin(), data->end()));
  try {
    icon.LoadFromStream(stream);
  } catch (const EInvalidGraphic&) {
    icon.Assign(nullptr);
  }
}

}  // namespace

// Holds the list's notifications back for its lifetime, also when an operation raises.
class TIconList::TChangeBracket {
 public:
  explicit TChangeBracket(TIconList& list) : list_(list) { list_.BeginChanges(); }
  ~TChangeBracket() { list_.EndChanges(); }
  TChangeBracket(const TChangeBracket&) = delete;
  TChangeBracket& operator=(const TChangeBracket&) = delete;

 private:
  TIconList& list_;
};

TIconList::~TIconList() {
  onChange_ = nullptr;
  Clear();
}

void TIconList::EndChanges() {
  if (--updateCount_ == 0) Changed();
}

void TIconList::Changed() {
  if (updateCount_ == 0 && onChange_) onChange_(this);
}

void TIconList::Watch(TIcon& icon) {
  icon.SetOnChange([this](TObject*) { Changed(); });
}

void TIconList::Place(int index, std::unique_ptr<TIcon> icon) {
  Watch(*icon);
  icons_.Insert(index, icon.get());
  icon.release();
  Changed();
}

TIcon* TIconList::GetIcon(int index) const {
  return icons_.Items(index);
}

int TIconList::GetCount() const {
  return icons_.Count();
}

void TIconList::PutIcon(int index, const TIcon* icon) {
  const TChangeBracket bracket(*this);
  if (index == GetCount()) Add(nullptr);
  TIcon* entry = GetIcon(index);
  if (entry == nullptr) {
    entry = new TIcon();
    Watch(*entry);
    icons_.Put(index, entry);
  }
  entry->Assign(icon);
}

int TIconList::Add(const TIcon* icon) {
  const int index = GetCount();
  Insert(index, icon);
  return index;
}

void TIconList::Insert(int index, const TIcon* icon) {
  auto copy = std::make_unique<TIcon>();
  copy->Assign(icon);
  Place(index, std::move(copy));
}

int TIconList::AddFromResource(const TResourceName& name) {
  const int index = GetCount();
  InsertFromResource(index, name);
  return index;
}

void TIconList::InsertFromResource(int index, const TResourceName& name) {
  auto icon = std::make_unique<TIcon>();
  LoadIconResource(*icon, name);
  Place(index, std::move(icon));
}

void TIconList::Clear() {
  const TChangeBracket bracket(*this);
  for (int index = GetCount() - 1; index >= 0; --index)
    Delete(index);
}

void TIconList::Delete(int index) {
  TIcon* icon = GetIcon(index);
  if (icon != nullptr) {
    icon->SetOnChange(nullptr);
    delete icon;
  }
  icons_.Delete(index);
  Changed();
}

void TIconList::Exchange(int index1, int index2) {
  icons_.Exchange(index1, index2);
  Changed();
}

int TIconList::IndexOf(const TIcon* icon) const {
  return icons_.IndexOf(icon);
}

void TIconList::MoveIcon(int currentIndex, int newIndex) {
  icons_.Move(currentIndex, newIndex);
  Changed();
}

void TIconList::Assign(const TPersistent* source) {
  if (source == this) return;  // clearing first would lose what is to be copied
  if (source == nullptr) {
    Clear();
  } else if (const auto* list = dynamic_cast<const TIconList*>(source)) {
    const TChangeBracket bracket(*this);
    Clear();
    for (const TIcon* icon : list->icons_)
      Add(icon);
  } else if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
    const TChangeBracket bracket(*this);
    Clear();
    Add(icon);
  } else {
    TPersistent::Assign(source);
  }
}

bool TIconList::DiffersFrom(const TIconList& ancestor) const {
  for (int index = 0; index < GetCount(); ++index) {
    if (GetIcon(index) != ancestor.GetIcon(index)) return true;
  }
  return false;
}

void TIconList::DefineProperties(TFiler& filer) {
  const auto* ancestor = dynamic_cast<const TIconList*>(filer.Ancestor());
  const bool hasData = ancestor != nullptr && ancestor->GetCount() == GetCount() && GetCount() != 0
                           ? DiffersFrom(*ancestor)
                           : GetCount() > 0;
  filer.DefineBinaryProperty(
      "Icons", [this](TStream& stream) { ReadIcons(stream); },
      [this](TStream& stream) { WriteIcons(stream); }, hasData);
}

void TIconList::WriteIcons(TStream& stream) const {
  stream.WriteUInt32(static_cast<std::uint32_t>(GetCount()));
  TMemoryStream image;
  for (TIcon* icon : icons_) {
    if (icon == nullptr || icon->Empty()) {
      stream.WriteUInt32(0);
      continue;
    }
    image.Clear();
    icon->SaveToStream(image);
    stream.WriteUInt32(static_cast<std::uint32_t>(image.Size()));
    stream.WriteBuffer(image.Memory(), image.Size());
  }
}

void TIconList::ReadIcons(TStream& stream) {
  const TChangeBracket bracket(*this);
  Clear();
  const auto count = static_cast<std::int32_t>(stream.ReadUInt32());
  for (std::int32_t entry = 0; entry < count; ++entry) {
    const auto size = static_cast<std::int32_t>(stream.ReadUInt32());
    if (size <= 0) {
      icons_.Add(nullptr);
      continue;
    }
    // A size past the data is refused before anything of that size is allocated.
    if (size > stream.Remaining()) throw EReadError(messages::kReadError);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    stream.ReadBuffer(bytes.data(), size);
    TMemoryStream image(std::move(bytes));
    auto icon = std::make_unique<TIcon>();
    icon->LoadFromStream(image);
    Watch(*icon);
    icons_.Add(icon.release());
  }
}

void RegisterIconClipboardFormat() {
  CF_ICON =
      static_cast<std::uint16_t>(Platform().RegisterClipboardFormat(kIconClipboardFormatName));
  TPicture::RegisterClipboardFormat(CF_ICON, TGraphicClass::Of<TIcon>());
}
