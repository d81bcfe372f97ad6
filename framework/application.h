// The application object: the message loop, the main form, message boxes, and the default
// report of errors that reach a window procedure.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/component.h"
#include "framework/handles.h"

namespace fw {

class TForm;

class TApplication : public TComponent {
  FW_DECLARE_CLASS()

 public:
  TApplication();
  ~TApplication() override;

  // Registers the framework's classes and common controls; makes the hidden application window.
  void Initialize();

  // Creates a form owned by the application; the first one becomes the main form.
  template <typename Form>
  Form* CreateForm() {
    auto* form = new Form(this);
    if (!mainForm_) mainForm_ = form;
    return form;
  }
  [[nodiscard]] TForm* MainForm() const { return mainForm_; }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles every waiting message, then returns.
  void ProcessMessages();
  void Terminate();
  [[nodiscard]] bool Terminated() const { return terminated_; }

  // A message box owned by the active form (or the main form).
  int MessageBox(const std::string& text, const std::string& caption, UINT flags);
  // The default error report: a message box with the error text. Tests may replace it.
  void ShowException(const std::string& text);
  std::function<void(const std::string&)> OnException;
  // Sees every message that Run and ProcessMessages take from the queue, before the framework's
  // own keyboard handling; answering true means it was handled and goes no further. Programs use
  // it for what their message loop needs beyond the framework (modeless dialogs, MDI keys).
  std::function<bool(MSG&)> OnMessage;
  // How long the mouse rests before a hint shows, and how long a hint stays (milliseconds).
  int HintPause = 500;
  int HintHidePause = 2500;

  [[nodiscard]] HWND Handle() const { return window_.get(); }
  [[nodiscard]] const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

 private:
  // Keyboard handling that a dialog manager would do: Tab between controls, Alt+letter.
  bool IsKeyMessage(MSG& msg);

  UniqueWindow window_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  std::string title_;
};

// The application of this process (set by the TApplication constructor).
extern TApplication* Application;

// Reports an error that reached a window procedure or callback.
void HandleException(const std::string& text);

}  // namespace fw
