// Timing and memory of control discovery (run by hand, not a test), in one run so that the ratio
// compares like with like:
//   1. creating and showing a form of 200 controls without skin (every window made), and
//   2. discovery of the same form (SkinFormControls: every control's skinner chosen and attached),
//      taking turns, median of 7 rounds;
//   3. the heap bytes that stay allocated per skinned control.
// The controls are every framework control kind the program registers, in turn (panels hold two
// of them), so new kinds join the measure as they are added.
// Build the Windows tree, then:
//   source tools/wine-session.sh; wine_session_start BUILD/win private
//   wine BUILD/win/skin/form/bench/skin_discovery_bench.exe; wine_session_stop
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/registry.h"
#include "framework/rtti.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_manager_link.h"
#include "skin/form/form_skinner.h"
#include "skin/form/skinning.h"
#include "tests/support/timing.h"
#include "tests/support/win_test_util.h"

// Live heap bytes of everything made with new, for the memory per skinned control.
namespace {
size_t g_liveBytes = 0;
}  // namespace

void* operator new(size_t size) {
  auto* block = static_cast<size_t*>(std::malloc(size + sizeof(std::max_align_t)));
  if (!block) throw std::bad_alloc();
  *block = size;
  g_liveBytes += size;
  return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}
void operator delete(void* pointer) noexcept {
  if (!pointer) return;
  auto* block = reinterpret_cast<size_t*>(static_cast<char*>(pointer) - sizeof(std::max_align_t));
  g_liveBytes -= *block;
  std::free(block);
}
void operator delete(void* pointer, size_t) noexcept { operator delete(pointer); }

namespace {

using testutil::Median;
using testutil::Now;

constexpr int kControls = 200;

// The control classes the program can create from a form description, containers aside.
std::vector<const fw::ClassInfo*> ControlKinds() {
  static const char* const kNames[] = {
      "TBitBtn",    "TButton",     "TCheckBox",    "TRadioButton", "TEdit",   "TMemo",           "TComboBox",
      "TListBox",   "TScrollBar",  "TProgressBar", "TTrackBar",    "TUpDown", "TDateTimePicker", "THeaderControl",
      "TStatusBar", "TTabControl", "TListView",    "TGroupBox",    "TPanel",  "TSpeedButton",    "TLabel",
  };
  std::vector<const fw::ClassInfo*> kinds;
  for (const char* name : kNames)
    if (const fw::ClassInfo* info = fw::FindClass(name); info && info->create) kinds.push_back(info);
  return kinds;
}

// A form of kControls controls of every kind in turn, shown (its windows made), not skinned.
fw::TForm* MakeForm(fw::TApplication& application, const std::vector<const fw::ClassInfo*>& kinds) {
  auto* form = new fw::TForm(&application);
  form->SetBounds(10, 10, 900, 700);
  fw::TWinControl* holder = nullptr;
  for (int i = 0; i < kControls; ++i) {
    fw::TComponent* made = kinds[static_cast<size_t>(i) % kinds.size()]->create(form);
    auto* control = dynamic_cast<fw::TControl*>(made);
    if (!control) continue;
    // Every third control sits in the last panel, so nested controls count too.
    control->SetParent(holder && i % 3 == 0 ? holder : form);
    control->SetBounds(5 + (i % 10) * 88, 5 + (i / 10) * 34, 84, 30);
    if (control->ClassName() == "TPanel") holder = static_cast<fw::TWinControl*>(control);
  }
  form->Show();
  return form;
}

std::vector<uint8_t> StoredSkin() {
  std::ifstream file(testutil::WindowsPathOf(PASTELLE_DEFAULT_SKIN_STREAM), std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

}  // namespace

int main() {
  fw::TApplication application;
  application.Initialize();
  fw::RegisterFrameworkClasses();
  const std::vector<const fw::ClassInfo*> kinds = ControlKinds();

  skin::InstallSkinning();
  skin::CreateSkinManagerIfMissing();
  skin::TSkinManage* manager = skin::SkinManager();
  manager->InstallHook();
  auto* data = new skin::TSkinData(&application);
  data->SetSkinStream(StoredSkin());
  manager->RegisterSkinData(data);
  manager->SetEnabled(true);

  // The form skinner that discovers: that of a small skinned form. The measured forms are made
  // with skinning off, so that only the discovery below touches them.
  auto* host = new fw::TForm(&application);
  host->SetBounds(0, 0, 200, 100);
  host->Show();
  auto* skinner = static_cast<skin::TWinSkinForm*>(manager->FindFormSkinner(host->Handle()));
  if (!skinner || !testutil::PumpUntil([&] { return skinner->FLifeState == skin::lsActive; })) {
    std::printf("the host form was not skinned\n");
    return 1;
  }
  manager->SetEnabled(false);

  std::vector<double> creating, discovering;
  double bytesPerSkinner = 0;
  size_t skinners = 0;
  for (int round = 0; round < 8; ++round) {
    double t0 = Now();
    fw::TForm* form = MakeForm(application, kinds);
    const double made = Now() - t0;
    testutil::PumpMessages(5);
    const size_t before = g_liveBytes;
    const size_t listed = skinner->FSkinners.size();
    t0 = Now();
    skinner->SkinFormControls(form);
    const double discovered = Now() - t0;
    skinners = skinner->FSkinners.size() - listed;
    if (skinners) bytesPerSkinner = static_cast<double>(g_liveBytes - before) / static_cast<double>(skinners);
    fw::Free(form);
    testutil::PumpMessages(5);
    if (round == 0) continue;  // the first round makes what is made once
    creating.push_back(made * 1e3);
    discovering.push_back(discovered * 1e3);
  }
  std::printf("%d controls of %zu kinds, %zu skinners attached\n", kControls, kinds.size(), skinners);
  std::printf("%-28s %10.2f ms\n", "create and show, no skin", Median(creating));
  std::printf("%-28s %10.2f ms\n", "discovery", Median(discovering));
  std::printf("%-28s %10.2f\n", "discovery / create", Median(discovering) / Median(creating));
  std::printf("%-28s %10.0f bytes\n", "heap per skinned control", bytesPerSkinner);
  return 0;
}
