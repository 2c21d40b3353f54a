#include "gif/codec/extension.h"

std::uint8_t ExtensionLabel(TExtensionKind kind) {
  static constexpr std::uint8_t kLabels[] = {0xF9, 0x01, 0xFF, 0xFE};
  return kLabels[kind];
}

void TExtension::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TExtension*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  kind_ = other->kind_;
  rawHeader_ = other->rawHeader_;
  if (other->subBlocks_) {
    EnsureSubBlocks().Assign(*other->subBlocks_);
  } else if (subBlocks_) {
    subBlocks_->Clear();
  }
}

TStringList& TExtension::EnsureSubBlocks() {
  if (!subBlocks_) subBlocks_ = std::make_unique<TStringList>();
  return *subBlocks_;
}

TExtension* LastExtensionOf(const TExtensionList* list, TExtensionKind kind) {
  if (list == nullptr) return nullptr;
  for (auto it = list->rbegin(); it != list->rend(); ++it) {
    if (*it && (*it)->ExtKind() == kind) return it->get();
  }
  return nullptr;
}
