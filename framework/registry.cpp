#include "framework/registry.h"

#include "framework/form.h"
#include "framework/listview.h"
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
}

}  // namespace fw
