// Which family of Windows the process runs on, recorded once when the program starts. The skin
// painters draw wide text and use MaskBlt on the NT family, and ANSI text and a three-blit
// transparency elsewhere. Tests force either family to prove both paths.
#pragma once

#include <windows.h>

namespace skin {

enum class PlatformFamily { WindowsNT, Windows9x };

struct PlatformVersion {
  PlatformFamily Family = PlatformFamily::WindowsNT;
  DWORD Major = 0;
  DWORD Minor = 0;
};

// What the system reported at start-up (GetVersionEx); the family may be forced for tests.
[[nodiscard]] PlatformVersion RunningPlatform() noexcept;
[[nodiscard]] bool IsWindowsNT() noexcept;

// Makes the painters take the given family's path until the object goes away. Tests only; not
// nested across threads (all painting runs on the GUI thread).
class ScopedPlatformFamily {
 public:
  explicit ScopedPlatformFamily(PlatformFamily family) noexcept;
  ScopedPlatformFamily(const ScopedPlatformFamily&) = delete;
  ScopedPlatformFamily& operator=(const ScopedPlatformFamily&) = delete;
  ~ScopedPlatformFamily();

 private:
  int previous_;
};

}  // namespace skin
