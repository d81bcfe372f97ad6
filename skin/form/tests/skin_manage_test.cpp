// Which windows the skin manager skins as forms, and with which skin component.
#include <windows.h>

#include <commdlg.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "framework/control.h"
#include "skin/core/control_atom.h"
#include "skin/core/skin_messages.h"
#include "skin/form/tests/skin_manage_fixture.h"
#include "tests/support/win_test_util.h"

namespace {

using skin::TSkinData;

// ---- Modal dialogs, inspected while they are up ----------------------------------------------

struct ModalProbe {
  HWND dialog = nullptr;
  std::string className;
  bool hadSkinner = false;
  bool answeredSkinned = false;
  bool activated = false;
};

thread_local std::function<void()> t_probeTick;

void CALLBACK ProbeTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (t_probeTick) t_probeTick();
}

// Opens a modal dialog; while it is up, looks at the active window of this thread once its
// skinner (if any) has been activated, then closes it with `closeCommand`.
ModalProbe ProbeModal(skin::TSkinManage* manager, const std::function<void()>& open, WPARAM closeCommand) {
  ModalProbe probe;
  int ticks = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, ProbeTimer);
  t_probeTick = [&] {
    HWND active = GetActiveWindow();
    if (!active || probe.dialog) return;
    char name[64] = {};
    GetClassNameA(active, name, sizeof name);
    auto* skinner = static_cast<skin::TWinSkinForm*>(manager->FindFormSkinner(active));
    // Give the posted activation a few ticks to arrive.
    if (skinner && !skinner->FActivated && ++ticks < 50) return;
    probe.dialog = active;
    probe.className = name;
    probe.hadSkinner = skinner != nullptr;
    probe.activated = skinner && skinner->FActivated;
    probe.answeredSkinned = SendMessageA(active, skin::SKM_ISSKINNED, 0, 0) == 1;
    PostMessageA(active, WM_COMMAND, closeCommand, 0);
  };
  open();
  KillTimer(nullptr, timer);
  t_probeTick = nullptr;
  return probe;
}

// ---- The window tag ---------------------------------------------------------------------------

TEST_F(SkinManageTest, ControlAtomIsTheFrameworkWindowTag) {
  const std::string expected = testutil::ExpectedControlTagText();
  EXPECT_EQ(std::string(skin::ControlAtomText()), expected);
  EXPECT_EQ(skin::ControlAtom(), fw::ControlAtom());
  EXPECT_EQ(skin::ControlMessage(), fw::ControlMessage());

  fw::TForm* form = ShowForm();
  EXPECT_EQ(skin::FindControlOfWindow(form->Handle()), form);
  EXPECT_EQ(skin::FindControlOfWindow(nullptr), nullptr);
  EXPECT_EQ(skin::FindControlOfWindow(CreateTestWindow("SkinTestPlain")), nullptr);
  EXPECT_EQ(skin::FindControlOfWindow(app->Handle()), nullptr);
}

TEST_F(SkinManageTest, FindFormFindsFrameworkFormsOnly) {
  fw::TForm* form = ShowForm();
  EXPECT_EQ(manager->FindForm(form->Handle()), form);
  EXPECT_EQ(manager->FindForm(CreateTestWindow("SkinTestPlain")), nullptr);
  EXPECT_EQ(manager->FindForm(nullptr), nullptr);
}

// ---- Activation through the hook --------------------------------------------------------------

TEST_F(SkinManageTest, ActivatedWindowGetsAFormSkinnerThatIsThenActivated) {
  AddSkinData();
  EnableSkinning();
  HWND window = CreateTestWindow("SkinTestPlain");
  ASSERT_EQ(SkinnerOf(window), nullptr);
  SetActiveWindow(window);
  skin::TWinSkinForm* skinner = SkinnerOf(window);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(manager->RunState(), skin::kRunStateRunning);
  EXPECT_EQ(skinner->FHandle, window);
  EXPECT_EQ(skinner->FEventName, "SkinTestPlain");
  EXPECT_EQ(skinner->FManagerTag, nullptr) << "the manager's own Tag, nil unless a program sets it";
  EXPECT_EQ(skinner->FForm, nullptr);
  EXPECT_TRUE(AnswersSkinned(window));
  EXPECT_TRUE(testutil::PumpUntil([&] { return skinner->FActivated != 0; })) << "SKM_ACTIVATE never arrived";
  EXPECT_EQ(skinner->FLifeState, skin::lsActive);
  // Activating it again does not give it a second skinner.
  SetActiveWindow(CreateTestWindow("SkinTestOther"));
  SetActiveWindow(window);
  EXPECT_EQ(manager->FormSkinners().size(), 2u);
  EXPECT_EQ(SkinnerOf(window), skinner);
}

TEST_F(SkinManageTest, FrameworkFormIsSkinnedAsAFormAndOwnsItsSkinner) {
  AddSkinData();
  EnableSkinning();
  fw::TForm* form = ShowForm();
  skin::TWinSkinForm* skinner = SkinnerOf(form->Handle());
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->FForm, form);
  EXPECT_EQ(skinner->Owner(), form);
  // While the frame is skinned the form's window method answers the skin form query.
  EXPECT_EQ(form->Perform(skin::SKM_QUERYSKINFORM, 0, skin::kSkinMagic), skin::kSkinMagic);
  EXPECT_EQ(form->Perform(skin::SKM_QUERYSKINFORM, 0, 0), 1);
  // Freeing the form frees its skinner, which leaves the manager's list.
  fw::Free(form);
  EXPECT_TRUE(manager->FormSkinners().empty());
}

TEST_F(SkinManageTest, NothingIsSkinnedWhileSkinningIsOffOrTheSkinIsEmpty) {
  HWND window = CreateTestWindow("SkinTestPlain");
  AddSkinData();
  EXPECT_FALSE(manager->SkinWindow(window)) << "skinning was never switched on";
  EnableSkinning();
  auto* empty = new TSkinData(app.get());
  manager->RegisterSkinData(empty);  // the last main component: the one windows get
  EXPECT_FALSE(manager->SkinWindow(window)) << "the chosen component holds no skin";
  fw::Free(empty);
  EXPECT_TRUE(manager->SkinWindow(window));
  EXPECT_FALSE(manager->SkinWindow(window)) << "a window is skinned once";
}

// ---- Child windows ----------------------------------------------------------------------------

class MdiFrame {
 public:
  explicit MdiFrame(std::vector<HWND>& windows) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefMDIChildProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SkinTestMdiChild";
    RegisterClassA(&wc);
    frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 500, 400,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CLIENTCREATESTRUCT ccs{nullptr, 1000};
    client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 480, 360, frame,
                             nullptr, GetModuleHandleA(nullptr), &ccs);
    windows.push_back(frame);
  }

  HWND CreateChild() {
    MDICREATESTRUCTA mcs{};
    mcs.szClass = "SkinTestMdiChild";
    mcs.szTitle = "child";
    mcs.hOwner = GetModuleHandleA(nullptr);
    mcs.x = mcs.y = 10;
    mcs.cx = 200;
    mcs.cy = 150;
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  }

  HWND frame = nullptr;
  HWND client = nullptr;
};

TEST_F(SkinManageTest, ChildWindowsAreSkinnedAsFormsOnlyAsMdiChildren) {
  AddSkinData();
  EnableSkinning();
  HWND top = CreateTestWindow("SkinTestPlain");
  HWND child = CreateTestWindow("SkinTestChild", WS_CHILD | WS_VISIBLE, 0, top, nullptr, 80, 60);
  EXPECT_FALSE(manager->SkinWindow(child)) << "a child of an ordinary window";

  MdiFrame mdi(windows);
  ASSERT_NE(mdi.client, nullptr);
  HWND inClient = CreateTestWindow("SkinTestChild", WS_CHILD | WS_VISIBLE, 0, mdi.client, nullptr, 80, 60);
  EXPECT_TRUE(manager->SkinWindow(inClient)) << "a child window inside an MDI client";

  // An MDI child is skinned as it is created, before it has a size.
  HWND mdiChild = mdi.CreateChild();
  ASSERT_NE(mdiChild, nullptr);
  skin::TWinSkinForm* skinner = SkinnerOf(mdiChild);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->FMdiKind, skin::TMdiKind::mkChild);
}

TEST_F(SkinManageTest, SkinnedMdiFrameRecordsItsClientWithTheManager) {
  AddSkinData();
  EnableSkinning();
  // The frame has its client before it is first shown, as frames make it while being created.
  HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 500, 400, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  windows.push_back(frame);
  CLIENTCREATESTRUCT ccs{nullptr, 1000};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 480, 360, frame,
                                nullptr, GetModuleHandleA(nullptr), &ccs);
  ShowWindow(frame, SW_SHOW);
  if (!SkinnerOf(frame)) {
    ASSERT_TRUE(manager->SkinWindow(frame));
  }
  ASSERT_NE(SkinnerOf(frame), nullptr);
  EXPECT_EQ(SkinnerOf(frame)->FMdiKind, skin::TMdiKind::mkFrame);
  EXPECT_EQ(SkinnerOf(frame)->FMdiClient, client);
  EXPECT_EQ(manager->MdiClient(), client);
  EXPECT_EQ(manager->MdiClientForm(), nullptr) << "the frame is no framework form";
}

TEST_F(SkinManageTest, FormSkinnersCopyTheManagersOwnTag) {
  AddSkinData();
  EnableSkinning();
  HWND first = CreateTestWindow("SkinTestPlain");
  ASSERT_TRUE(manager->SkinWindow(first));
  EXPECT_EQ(SkinnerOf(first)->FManagerTag, nullptr) << "nil unless the program sets it";
  int tag = 0;
  manager->SetTag(&tag);
  HWND second = CreateTestWindow("SkinTestPlain");
  ASSERT_TRUE(manager->SkinWindow(second));
  EXPECT_EQ(SkinnerOf(second)->FManagerTag, &tag);
}

TEST_F(SkinManageTest, HideWhileSkinningHidesTheWindowUntilItsActivationOnlyWhenSet) {
  AddSkinData();
  EnableSkinning();
  for (const bool hide : {false, true}) {
    SCOPED_TRACE(hide ? "flag set" : "flag off");
    manager->SetHideWhileSkinning(hide);
    HWND window = CreateTestWindow("SkinTestPlain");
    ASSERT_TRUE(IsWindowVisible(window));
    ASSERT_TRUE(manager->SkinWindow(window));
    EXPECT_EQ(IsWindowVisible(window) == FALSE, hide) << "right after attach";
    ASSERT_TRUE(testutil::PumpUntil([&] { return SkinnerOf(window)->FActivated != 0; }));
    EXPECT_TRUE(IsWindowVisible(window)) << "visible again once activated";
    EXPECT_FALSE(manager->HideWhileSkinning()) << "the first activation clears the flag";
  }
}

// ---- Framework forms with Tag 99 ---------------------------------------------------------------

TEST_F(SkinManageTest, FormWithTag99IsNeverSkinnedWhateverDisableTagSays) {
  TSkinData* data = AddSkinData();
  EnableSkinning();
  for (int32_t disableTag : {99, 0, 7}) {
    SCOPED_TRACE(disableTag);
    data->SetDisableTag(disableTag);
    fw::TForm* tagged = ShowForm(99);
    EXPECT_EQ(SkinnerOf(tagged->Handle()), nullptr);
    EXPECT_FALSE(manager->SkinWindow(tagged->Handle()));
    fw::TForm* other = ShowForm(disableTag == 7 ? 7 : 0);
    EXPECT_NE(SkinnerOf(other->Handle()), nullptr);
    fw::Free(tagged);
    fw::Free(other);
  }
}

// ---- Windows of other modules ------------------------------------------------------------------

TEST_F(SkinManageTest, RealMessageBoxIsSkinned) {
  AddSkinData();
  EnableSkinning();
  HWND owner = CreateTestWindow("SkinTestPlain");
  ModalProbe probe = ProbeModal(
      manager, [&] { MessageBoxA(owner, "text", "caption", MB_OK); }, IDOK);
  ASSERT_NE(probe.dialog, nullptr) << "no message box came up";
  EXPECT_EQ(probe.className, "#32770");
  EXPECT_NE(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)), nullptr);
  EXPECT_TRUE(probe.hadSkinner);
  EXPECT_TRUE(probe.activated);
  EXPECT_TRUE(probe.answeredSkinned);
}

TEST_F(SkinManageTest, RealCommonDialogIsSkinned) {
  AddSkinData();
  EnableSkinning();
  HWND owner = CreateTestWindow("SkinTestPlain");
  COLORREF custom[16] = {};
  CHOOSECOLORA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.lpCustColors = custom;
  ModalProbe probe = ProbeModal(
      manager, [&] { ChooseColorA(&choose); }, IDCANCEL);
  ASSERT_NE(probe.dialog, nullptr) << "no colour dialog came up";
  EXPECT_EQ(probe.className, "#32770");
  EXPECT_NE(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(probe.dialog, GWLP_HINSTANCE)), GetModuleHandleA(nullptr))
      << "the dialog should belong to the common dialog module";
  EXPECT_TRUE(probe.hadSkinner);
  EXPECT_TRUE(probe.answeredSkinned);
}

TEST_F(SkinManageTest, OtherModulesWindowsAreSkinnedOnlyAsStandardDialogs) {
  AddSkinData();
  EnableSkinning();
  struct Case {
    const char* what;
    std::function<HWND()> make;
    bool skinned;
  };
  const std::vector<Case> cases = {
      {"a window of this module", [&] { return CreateTestWindow("SkinTestPlain"); }, true},
      {"a window class of another module",
       [&] { return CreateTestWindow("SkinTestForeign", WS_OVERLAPPEDWINDOW, 0, nullptr, OtherModule()); }, false},
      {"a system class window of another module",
       [&] { return CreateTestWindow("Static", WS_OVERLAPPEDWINDOW, 0, nullptr, OtherModule()); }, false},
      {"a dialog of another module",
       [&] { return CreatePlainDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, OtherModule()); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HWND window = c.make();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(manager->SkinWindow(window), c.skinned);
    EXPECT_EQ(SkinnerOf(window) != nullptr, c.skinned);
  }
}

// ---- Options and the form-skin query -----------------------------------------------------------

TEST_F(SkinManageTest, PreviewInAClassNameIsSkinnedOnlyWithXoPreview) {
  TSkinData* data = AddSkinData();
  EnableSkinning();
  struct Case {
    const char* className;
    bool withPreview, skinned;
  };
  const Case cases[] = {
      {"TPrintPreviewForm", true, true},
      {"TPrintPreviewForm", false, false},
      {"SkinTestPREVIEW", false, false},
      {"SkinTestPrevueForm", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.className) + (c.withPreview ? " with xoPreview" : " without xoPreview"));
    skin::TSkinOptions options = data->Options();
    options = c.withPreview ? (options | skin::SkinOptionSet({skin::xoPreview}))
                            : (options & ~skin::SkinOptionSet({skin::xoPreview}));
    data->SetOptions(options);
    HWND window = CreateTestWindow(c.className);
    EXPECT_EQ(manager->SkinWindow(window), c.skinned);
  }
}

TEST_F(SkinManageTest, DialogWithStyleBit0x200IsNotSkinned) {
  AddSkinData();
  EnableSkinning();
  for (DWORD extra : {DWORD{0}, DWORD{0x200}}) {
    SCOPED_TRACE(extra);
    HWND dialog = CreatePlainDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE | extra);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(GetWindowLongA(dialog, GWL_STYLE) & 0x200, static_cast<LONG>(extra));
    EXPECT_EQ(manager->SkinWindow(dialog), extra == 0);
  }
}

TEST_F(SkinManageTest, BuiltInExclusions) {
  AddSkinData();
  EnableSkinning();
  struct Case {
    const char* what;
    std::function<HWND()> make;
  };
  const std::vector<Case> cases = {
      {"a window without area", [&] { return CreateTestWindow("SkinTestPlain", WS_POPUP, 0, nullptr, nullptr, 0, 0); }},
      {"the application window", [&] { return app->Handle(); }},
      {"a popup edit window", [&] { return CreateTestWindow("TcxPopupEditPopupWindow"); }},
      {"a render window", [&] { return CreateTestWindow("XTTERenderWindow"); }},
      {"a popup tree view", [&] { return CreateTestWindow("TPopupDBTreeView"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HWND window = c.make();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(manager->SkinWindow(window));
  }
}

TEST_F(SkinManageTest, OnFormSkinOverridesTheBuiltInExclusions) {
  TSkinData* data = AddSkinData();
  data->SetOptions(data->Options() & ~skin::SkinOptionSet({skin::xoPreview}));
  EnableSkinning();
  std::vector<std::string> asked;
  bool answer = true;
  data->OnFormSkin.handler = skin::TOnFormSkin([&](fw::TObject* sender, const std::string& name, bool& doSkin) {
    EXPECT_EQ(sender, data);
    asked.push_back(name);
    doSkin = answer;
  });
  HWND preview = CreateTestWindow("TPrintPreviewForm");
  HWND treeView = CreateTestWindow("TPopupDBTreeView");
  HWND dialog = CreatePlainDialog(WS_POPUP | WS_CAPTION | WS_VISIBLE | 0x200);
  EXPECT_TRUE(manager->SkinWindow(preview));
  EXPECT_TRUE(manager->SkinWindow(treeView));
  EXPECT_TRUE(manager->SkinWindow(dialog));
  EXPECT_EQ(asked, (std::vector<std::string>{"TPrintPreviewForm", "TPopupDBTreeView", "#32770"}));
  EXPECT_EQ(data->LastFormHandle(), dialog);

  answer = false;
  EXPECT_FALSE(manager->SkinWindow(CreateTestWindow("SkinTestPlain"))) << "a handler may also refuse";
}

// ---- Choosing the skin component ---------------------------------------------------------------

TEST_F(SkinManageTest, WithTwoMainComponentsTheFirstGivesTheOptionsAndWindowsGetTheLast) {
  TSkinData* first = AddSkinData();
  TSkinData* second = AddSkinData();
  EnableSkinning();
  EXPECT_EQ(manager->MainSkinData(), first);
  HWND window = CreateTestWindow("SkinTestPlain");
  EXPECT_EQ(manager->ChooseSkinData(window), second);
  ASSERT_TRUE(manager->SkinWindow(window));
  EXPECT_EQ(SkinnerOf(window)->FSkinData, second);

  // The options of the window tests are the first one's.
  second->SetOptions(second->Options() & ~skin::SkinOptionSet({skin::xoPreview}));
  EXPECT_TRUE(manager->SkinWindow(CreateTestWindow("TPrintPreviewForm")));
  first->SetOptions(first->Options() & ~skin::SkinOptionSet({skin::xoPreview}));
  EXPECT_FALSE(manager->SkinWindow(CreateTestWindow("TPrintPreviewForm")));

  // When the first goes, the next main component supplies the options.
  fw::Free(first);
  EXPECT_EQ(manager->MainSkinData(), second);
}

TEST_F(SkinManageTest, ChooseSkinDataByScope) {
  fw::TForm* own = ShowForm();
  HWND plain = CreateTestWindow("SkinTestPlain");
  HWND dialog = CreatePlainDialog(WS_POPUP | WS_CAPTION | WS_VISIBLE);
  EXPECT_EQ(manager->ChooseSkinData(plain), nullptr) << "no component registered";

  TSkinData* dll = AddSkinData(skin::sfDLL);
  EXPECT_EQ(manager->ChooseSkinData(plain), dll) << "without a main component: the first registered";
  TSkinData* main = AddSkinData(skin::sfMainform);
  TSkinData* forDialogs = AddSkinData(skin::sfDialog);
  TSkinData* forForm = AddSkinData(skin::sfOnlyThisForm, own);
  EXPECT_EQ(manager->ChooseSkinData(plain), main);
  EXPECT_EQ(manager->ChooseSkinData(dialog), forDialogs);
  EXPECT_EQ(manager->ChooseSkinData(own->Handle()), forForm);
  TSkinData* laterDialogs = AddSkinData(skin::sfDialog);
  EXPECT_EQ(manager->ChooseSkinData(dialog), laterDialogs) << "the last registered wins";
  EXPECT_EQ(manager->ChooseSkinData(own->Handle()), forForm);
}

}  // namespace
