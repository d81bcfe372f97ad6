// Small classes for framework tests: a form with published fields and handlers, and a component
// with every kind of published property.
#pragma once

#include <string>
#include <vector>

#include "framework/form.h"
#include "framework/listview.h"
#include "framework/stdctrls.h"

namespace fwtest {

enum class TShade { shLight, shMedium, shDark };
extern const fw::EnumType kShadeType;

class TSample : public fw::TComponent {
  FW_DECLARE_CLASS()

 public:
  explicit TSample(fw::TComponent* owner) : fw::TComponent(owner) {}
  int32_t Count() const { return count_; }
  void SetCount(int32_t v) { count_ = v; }
  TShade Shade() const { return shade_; }
  void SetShade(TShade v) { shade_ = v; }
  uint32_t Shades() const { return shades_; }
  void SetShades(uint32_t v) { shades_ = v; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& v) { title_ = v; }
  std::vector<uint8_t> Data() const { return data_; }
  void SetData(const std::vector<uint8_t>& v) { data_ = v; }
  std::vector<std::string> Lines() const { return lines_; }
  void SetLines(const std::vector<std::string>& v) { lines_ = v; }
  bool Flag() const { return flag_; }
  void SetFlag(bool v) { flag_ = v; }
  fw::TMethod OnChange;

  int loadedCalls = 0;
  bool loadingSeenBySetter = false;
  void Loaded() override {
    ++loadedCalls;
    fw::TComponent::Loaded();
  }

 private:
  int32_t count_ = 0;
  TShade shade_ = TShade::shLight;
  uint32_t shades_ = 0;
  std::string title_;
  std::vector<uint8_t> data_;
  std::vector<std::string> lines_;
  bool flag_ = false;
};

class TTestForm : public fw::TForm {
  FW_DECLARE_CLASS()

 public:
  explicit TTestForm(fw::TComponent* owner) : fw::TForm(owner) {}
  void Load(std::string_view text) { LoadDescription(text); }

  fw::TPanel* Panel1 = nullptr;
  fw::TLabel* Label1 = nullptr;
  fw::TBitBtn* Button1 = nullptr;
  TSample* Sample1 = nullptr;
  int created = 0;
  int clicked = 0;
  void FormCreate(fw::TObject*) { ++created; }
  void Button1Click(fw::TObject*) { ++clicked; }
};

void RegisterTestClasses();

}  // namespace fwtest
