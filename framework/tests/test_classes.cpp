#include "framework/tests/test_classes.h"

#include "framework/registry.h"

namespace fwtest {

const fw::EnumType kShadeType{"TShade", {"shLight", "shMedium", "shDark"}};

const fw::ClassInfo& TSample::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TSample>("TSample", &fw::TComponent::StaticClass())
                                        .Creatable()
                                        .Integer("Count", &TSample::Count, &TSample::SetCount)
                                        .Enumeration("Shade", kShadeType, &TSample::Shade, &TSample::SetShade)
                                        .Set("Shades", kShadeType, &TSample::Shades, &TSample::SetShades)
                                        .String("Title", &TSample::Title, &TSample::SetTitle)
                                        .Binary("Data", &TSample::Data, &TSample::SetData)
                                        .StringList("Lines", &TSample::Lines, &TSample::SetLines)
                                        .Boolean("Flag", &TSample::Flag, &TSample::SetFlag)
                                        .Event("OnChange", &TSample::OnChange)
                                        .Build();
  return info;
}

const fw::ClassInfo& TTestForm::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TTestForm>("TTestForm", &fw::TForm::StaticClass())
                                        .Field("Panel1", &TTestForm::Panel1)
                                        .Field("Label1", &TTestForm::Label1)
                                        .Field("Button1", &TTestForm::Button1)
                                        .Field("Sample1", &TTestForm::Sample1)
                                        .NotifyMethod("FormCreate", &TTestForm::FormCreate)
                                        .NotifyMethod("Button1Click", &TTestForm::Button1Click)
                                        .Build();
  return info;
}

void RegisterTestClasses() {
  fw::RegisterFrameworkClasses();
  fw::RegisterComponentClass(TSample::StaticClass());
  fw::RegisterComponentClass(TTestForm::StaticClass());
}

}  // namespace fwtest
