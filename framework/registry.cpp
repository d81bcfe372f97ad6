#include "framework/registry.h"

#include "framework/buttons.h"
#include "framework/comctrls.h"
#include "framework/form.h"
#include "framework/listview.h"
#include "framework/menus.h"
#include "framework/scroll_box.h"
#include "framework/stdctrls.h"
#include "framework/toolbar.h"

namespace fw {

void RegisterFrameworkClasses() {
  RegisterComponentClass(TForm::StaticClass());
  RegisterComponentClass(TPanel::StaticClass());
  RegisterComponentClass(TLabel::StaticClass());
  RegisterComponentClass(TBitBtn::StaticClass());
  RegisterComponentClass(TMemo::StaticClass());
  RegisterComponentClass(TSplitter::StaticClass());
  RegisterComponentClass(TListView::StaticClass());
  for (const ClassInfo* standard :
       {&TButton::StaticClass(), &TSpeedButton::StaticClass(), &TCheckBox::StaticClass(), &TRadioButton::StaticClass(),
        &TGroupBox::StaticClass(), &TRadioGroup::StaticClass(), &TEdit::StaticClass(), &TComboBox::StaticClass(),
        &TListBox::StaticClass(), &TScrollBar::StaticClass(), &TScrollBox::StaticClass(), &TFrame::StaticClass()})
    RegisterComponentClass(*standard);
  for (const ClassInfo* info :
       {&TProgressBar::StaticClass(), &TTrackBar::StaticClass(), &TUpDown::StaticClass(),
        &TDateTimePicker::StaticClass(), &THeaderControl::StaticClass(), &TStatusBar::StaticClass(),
        &TTabControl::StaticClass(), &TPageControl::StaticClass(), &TTabSheet::StaticClass(), &TTabSet::StaticClass(),
        &TToolBar::StaticClass(), &TToolButton::StaticClass(), &TCoolBar::StaticClass(), &TMainMenu::StaticClass(),
        &TPopupMenu::StaticClass(), &TMenuItem::StaticClass()})
    RegisterComponentClass(*info);
}

}  // namespace fw
