#include "skin/paint/platform_family.h"

namespace skin {
namespace {

PlatformVersion QueryPlatform() noexcept {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  PlatformVersion version;
  if (::GetVersionExA(&info)) {
    version.Family = info.dwPlatformId == VER_PLATFORM_WIN32_NT ? PlatformFamily::WindowsNT : PlatformFamily::Windows9x;
    version.Major = info.dwMajorVersion;
    version.Minor = info.dwMinorVersion;
  }
  return version;
}

const PlatformVersion& RecordedPlatform() noexcept {
  static const PlatformVersion recorded = QueryPlatform();
  return recorded;
}

// -1: not forced; otherwise the forced family's value.
int forced_family = -1;

// Records the platform while the program starts, before any window exists.
[[maybe_unused]] const PlatformVersion& recorded_at_start_up = RecordedPlatform();

}  // namespace

PlatformVersion RunningPlatform() noexcept {
  PlatformVersion version = RecordedPlatform();
  if (forced_family >= 0) version.Family = static_cast<PlatformFamily>(forced_family);
  return version;
}

bool IsWindowsNT() noexcept { return RunningPlatform().Family == PlatformFamily::WindowsNT; }

ScopedPlatformFamily::ScopedPlatformFamily(PlatformFamily family) noexcept : previous_(forced_family) {
  forced_family = static_cast<int>(family);
}

ScopedPlatformFamily::~ScopedPlatformFamily() { forced_family = previous_; }

}  // namespace skin
