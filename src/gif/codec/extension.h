#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/persistent.h"
#include "framework/core/string_list.h"

enum TExtensionKind : std::uint8_t { ekGraphicControl, ekPlainText, ekApplication, ekComment };

// The block label of each kind: F9, 01, FF, FE.
std::uint8_t ExtensionLabel(TExtensionKind kind);

// One extension block kept with a frame: its kind, the fixed bytes after the label and its data
// sub-blocks.
class TExtension : public TPersistent {
 public:
  // Graphic control: [0] block size, [1] packed (bit 0 transparent, bit 1 user input, bits 2-4
  // disposal), [2..3] delay in hundredths, [4] transparent index, [5] terminator. Application:
  // [0] block size, [1..8] identifier, [9..11] authentication code. Plain text: [0] block size
  // and twelve bytes of text grid.
  using Header = std::array<std::uint8_t, 13>;

  const char* ClassName() const override { return "TExtension"; }
  void Assign(const TPersistent* source) override;

  TExtensionKind ExtKind() const { return kind_; }
  void SetExtKind(TExtensionKind kind) { kind_ = kind; }
  Header& RawHeader() { return rawHeader_; }
  const Header& RawHeader() const { return rawHeader_; }
  // One string per data sub-block, in file order; none when the block has no sub-blocks.
  TStringList* SubBlocks() const { return subBlocks_.get(); }
  void SetSubBlocks(std::unique_ptr<TStringList> blocks) { subBlocks_ = std::move(blocks); }
  TStringList& EnsureSubBlocks();

 private:
  TExtensionKind kind_ = ekGraphicControl;
  Header rawHeader_{};
  std::unique_ptr<TStringList> subBlocks_;
};

using TExtensionList = std::vector<std::unique_ptr<TExtension>>;

// The last extension of that kind in list, searching from the end; none for a null list.
TExtension* LastExtensionOf(const TExtensionList* list, TExtensionKind kind);
