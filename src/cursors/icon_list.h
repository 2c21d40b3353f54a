#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/list.h"
#include "framework/core/object.h"
#include "framework/core/persistent.h"
#include "framework/graphics/icon.h"
#include "framework/platform/resource_name.h"

class TStream;

// An ordered list of icons that owns them: it stores a copy of every icon it is given, never the
// caller's object. An entry may be null (read from stored data that had none). Any change of the
// entries, or of the picture of an icon in the list, calls Changed, which fires OnChange with the
// list as sender; inside BeginChanges / EndChanges those calls are held back and the outermost
// EndChanges makes one.
//
// Stored in form data as one binary property, "Icons": a signed 32-bit count, then per entry a
// signed 32-bit size and that many bytes of the icon's own file image (size 0 for a null or empty
// icon), all little-endian.
class TIconList : public TPersistent {
 public:
  TIconList() = default;
  ~TIconList() override;
  TIconList(const TIconList&) = delete;
  TIconList& operator=(const TIconList&) = delete;
  const char* ClassName() const override { return "TIconList"; }

  // None clears the list; an icon list or an icon replaces the entries with copies (one
  // notification); other sources as TPersistent::Assign.
  void Assign(const TPersistent* source) override;
  // Defines "Icons". Against an ancestor list with the same, non-zero count it is written when
  // some position holds another icon object than the ancestor's; otherwise when there are
  // entries.
  void DefineProperties(TFiler& filer) override;

  // Index outside 0 .. count - 1: EListError "List index out of bounds" (also for Delete,
  // Exchange, MoveIcon and PutIcon past the count).
  virtual TIcon* GetIcon(int index) const;
  virtual int GetCount() const;
  // The entry at index becomes a copy of icon (none empties it); index = count appends.
  virtual void PutIcon(int index, const TIcon* icon);
  // Appends a copy of icon (none: an empty icon) and returns its index.
  virtual int Add(const TIcon* icon);
  // Appends the program's icon of that name, an empty icon when it has none.
  virtual int AddFromResource(const TResourceName& name);
  virtual void Clear();
  virtual void Delete(int index);
  virtual void Exchange(int index1, int index2);
  // The index of that very object, or -1.
  virtual int IndexOf(const TIcon* icon) const;
  // As Add and AddFromResource, at index 0 .. count.
  virtual void Insert(int index, const TIcon* icon);
  virtual void InsertFromResource(int index, const TResourceName& name);
  virtual void MoveIcon(int currentIndex, int newIndex);

  void BeginChanges() { ++updateCount_; }
  void EndChanges();

  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

 protected:
  // Fires OnChange unless a bracket is open.
  virtual void Changed();

 private:
  class TChangeBracket;

  // Points the icon's change notification at the list.
  void Watch(TIcon& icon);
  // Inserts a new icon at index (0 .. count) and notifies; the icon is freed when the index is
  // refused.
  void Place(int index, std::unique_ptr<TIcon> icon);
  void ReadIcons(TStream& stream);
  void WriteIcons(TStream& stream) const;
  bool DiffersFrom(const TIconList& ancestor) const;

  TList<TIcon> icons_;
  int updateCount_ = 0;
  TNotifyEvent onChange_;
};

// The clipboard format number of icons, "Morvel Icon", once RegisterIconClipboardFormat ran.
extern std::uint16_t CF_ICON;

// Start-up step of the icon list's module (after the colour reduction's tables, before the GIF
// registration): registers "Morvel Icon" with the platform and with the picture class for icons.
void RegisterIconClipboardFormat();
