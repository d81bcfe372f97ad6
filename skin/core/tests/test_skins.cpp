#include "skin/core/tests/test_skins.h"

namespace skintest {

Bytes DefaultStoredSkin() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, "DEFAULTSKIN", MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = static_cast<const uint8_t*>(LockResource(loaded));
  return Bytes(bytes, bytes + SizeofResource(module, found));
}

}  // namespace skintest
