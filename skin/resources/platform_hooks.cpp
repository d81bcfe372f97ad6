#include "skin/resources/platform_hooks.h"

#include <cstdio>
#include <utility>

#include "skin/resources/text_util.h"

namespace skin {
namespace {

MessageDialogHook& MessageHook() {
  static MessageDialogHook hook;
  return hook;
}

TextEqualIgnoreCaseHook& TextEqualHook() {
  static TextEqualIgnoreCaseHook hook;
  return hook;
}

}  // namespace

MessageDialogHook SetMessageDialogHook(MessageDialogHook hook) { return std::exchange(MessageHook(), std::move(hook)); }

TextEqualIgnoreCaseHook SetTextEqualIgnoreCaseHook(TextEqualIgnoreCaseHook hook) {
  return std::exchange(TextEqualHook(), std::move(hook));
}

void ShowMessageDialog(const std::string& text) {
  if (const MessageDialogHook& hook = MessageHook()) {
    hook(text);
  } else {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

bool LocaleTextEqualIgnoreCase(std::string_view a, std::string_view b) {
  if (const TextEqualIgnoreCaseHook& hook = TextEqualHook()) return hook(a, b);
  return AsciiEqualIgnoreCase(a, b);
}

}  // namespace skin
