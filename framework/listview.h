// A list view (the native SysListView32 class) in report view. Item texts live in the items
// themselves, whole, however long; the control asks for them when it draws (LPSTR_TEXTCALLBACK)
// and gets at most what its display buffer holds.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/collection.h"
#include "framework/control.h"

namespace fw {

class TListView;

class TListColumn : public TCollectionItem {
  FW_DECLARE_CLASS()

 public:
  using TCollectionItem::TCollectionItem;
  [[nodiscard]] const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // The current width: the control's, when the user may have dragged it.
  [[nodiscard]] int Width() const;
  void SetWidth(int width);
  // The width as stored, before the control exists.
  [[nodiscard]] int StoredWidth() const { return width_; }

 private:
  std::string caption_;
  int width_ = 50;
};

class TListColumns : public TCollection {
  FW_DECLARE_CLASS()

 public:
  explicit TListColumns(TListView* owner) : owner_(owner) {}
  [[nodiscard]] TListColumn* Column(int index) const { return static_cast<TListColumn*>(Item(index)); }
  [[nodiscard]] TListView* Owner() const { return owner_; }
  void Update(TCollectionItem* item) override;

 protected:
  std::unique_ptr<TCollectionItem> CreateItem() override { return std::make_unique<TListColumn>(this); }

 private:
  TListView* owner_;
};

class TListItem {
 public:
  TListItem(TListView* owner) : owner_(owner) {}
  [[nodiscard]] const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  [[nodiscard]] std::vector<std::string>& SubItems() { return subItems_; }
  [[nodiscard]] const std::vector<std::string>& SubItems() const { return subItems_; }
  void AddSubItem(std::string text);
  [[nodiscard]] int Index() const;
  [[nodiscard]] bool Selected() const;
  void SetSelected(bool selected);

 private:
  friend class TListItems;
  TListView* owner_;
  std::string caption_;
  std::vector<std::string> subItems_;
};

class TListItems {
 public:
  explicit TListItems(TListView* owner) : owner_(owner) {}
  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  [[nodiscard]] TListItem* Item(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  [[nodiscard]] int IndexOf(const TListItem* item) const;
  // Appends an item (a row) at the end.
  TListItem* Add();
  TListItem* Add(std::string caption, std::vector<std::string> subItems);
  void Delete(int index);
  void Clear();

  // Changes between BeginUpdate and EndUpdate are drawn once, at the end: the control neither
  // repaints nor updates its scroll bar for each row.
  void BeginUpdate();
  void EndUpdate();
  class UpdateScope {
   public:
    explicit UpdateScope(TListItems& items) : items_(items) { items_.BeginUpdate(); }
    ~UpdateScope() { items_.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

   private:
    TListItems& items_;
  };

 private:
  friend class TListView;
  void InsertIntoControl(int index);

  TListView* owner_;
  std::vector<std::unique_ptr<TListItem>> items_;
  int updateCount_ = 0;
};

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
extern const EnumType kViewStyleType;

// The base the list view kinds share.
class TCustomListView : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  using TWinControl::TWinControl;
};

class TListView : public TCustomListView {
  FW_DECLARE_CLASS()

 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;

  [[nodiscard]] TListColumns* Columns() const { return columns_.get(); }
  [[nodiscard]] TListColumn* Column(int index) const { return columns_->Column(index); }
  [[nodiscard]] TListItems* Items() const { return items_.get(); }

  [[nodiscard]] TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle value) { viewStyle_ = value; }
  [[nodiscard]] bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value) { multiSelect_ = value; }
  [[nodiscard]] bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  [[nodiscard]] bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool value);

  // The selected item with the lowest position, or nullptr.
  [[nodiscard]] TListItem* Selected() const;
  [[nodiscard]] int SelCount() const;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void ColorChanged() override;
  void FontChanged() override;

 private:
  friend class TListColumns;
  friend class TListColumn;
  friend class TListItems;
  friend class TListItem;
  void UpdateColumns();
  void UpdateColors();
  void FillDisplayInfo(NMHDR* header);

  std::unique_ptr<TListColumns> columns_;
  std::unique_ptr<TListItems> items_;
  TViewStyle viewStyle_ = TViewStyle::vsIcon;
  bool multiSelect_ = false;
  bool readOnly_ = false;
  bool rowSelect_ = false;
};

}  // namespace fw
