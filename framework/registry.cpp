#include "framework/registry.h"

#include "framework/buttons.h"
#include "framework/form.h"
#include "framework/listview.h"
#include "framework/scroll_box.h"
#include "framework/stdctrls.h"

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
       {&TButton::StaticClass(), &TSpeedButton::StaticClass(), &TCheckBox::StaticClass(),
        &TRadioButton::StaticClass(), &TGroupBox::StaticClass(), &TRadioGroup::StaticClass(), &TEdit::StaticClass(),
        &TComboBox::StaticClass(), &TListBox::StaticClass(), &TScrollBar::StaticClass(), &TScrollBox::StaticClass(),
        &TFrame::StaticClass()})
    RegisterComponentClass(*standard);
}

}  // namespace fw
