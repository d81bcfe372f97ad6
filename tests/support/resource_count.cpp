#include "tests/support/resource_count.h"

#include <windows.h>

#include <winternl.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace test_support {
namespace {

// One slot of Wine's GDI handle table (Wine 8: 24 bytes per slot, 65536 slots). A slot is in use
// when Type is not 0; the top bit of the byte after Owner marks stock objects.
struct WineGdiSlot {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint8_t ext_type_and_stock;
  std::uint8_t generation;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t user_pointer;
};
static_assert(sizeof(WineGdiSlot) == 24);
constexpr std::size_t kWineGdiSlots = 0x10000;
constexpr std::uint8_t kStockFlag = 0x80;

// The PEB field that points at the GDI handle table.
#ifdef _WIN64
constexpr std::size_t kPebGdiSharedHandleTable = 0xF8;
#else
constexpr std::size_t kPebGdiSharedHandleTable = 0x94;
#endif

// USER handles are (slot × 2 + 0x20) in their low word; a handle whose high word is 0 names the
// slot whatever its generation.
constexpr unsigned kFirstUserHandle = 0x20;
constexpr unsigned kLastUserHandle = 0xFFEF;

const std::byte* ProcessEnvironmentBlock() {
  using QueryFn = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QueryFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr)) {
    return nullptr;
  }
  return reinterpret_cast<const std::byte*>(basic.PebBaseAddress);
}

const WineGdiSlot* WineGdiTable() {
  const std::byte* peb = ProcessEnvironmentBlock();
  if (!peb) return nullptr;
  const void* table = nullptr;
  std::memcpy(&table, peb + kPebGdiSharedHandleTable, sizeof table);
  if (!table) return nullptr;
  // The whole table must be readable memory of this process.
  MEMORY_BASIC_INFORMATION info{};
  if (!VirtualQuery(table, &info, sizeof info) || info.State != MEM_COMMIT) return nullptr;
  const auto end = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
  if (reinterpret_cast<std::uintptr_t>(table) + kWineGdiSlots * sizeof(WineGdiSlot) > end) {
    return nullptr;
  }
  return static_cast<const WineGdiSlot*>(table);
}

// Checks that the table really has the layout we read: a fresh brush's slot is in use, carries the
// handle's generation and is no stock object; the white stock brush's slot is marked stock.
bool WineGdiLayoutHolds(const WineGdiSlot* table) {
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  if (!brush) return false;
  const auto handle = reinterpret_cast<std::uintptr_t>(brush);
  const WineGdiSlot& slot = table[handle & 0xFFFF];
  const std::uint16_t unique = static_cast<std::uint16_t>(slot.ext_type_and_stock | (slot.generation << 8));
  const bool fresh_ok =
      slot.type != 0 && unique == ((handle >> 16) & 0xFFFF) && !(slot.ext_type_and_stock & kStockFlag);
  DeleteObject(brush);
  const bool freed_ok = table[handle & 0xFFFF].type == 0;
  const auto stock = reinterpret_cast<std::uintptr_t>(GetStockObject(WHITE_BRUSH));
  const bool stock_ok = (table[stock & 0xFFFF].ext_type_and_stock & kStockFlag) != 0;
  return fresh_ok && freed_ok && stock_ok;
}

std::optional<unsigned> CountWineGdiObjects() {
  static const WineGdiSlot* const table = [] {
    const WineGdiSlot* found = WineGdiTable();
    return found && WineGdiLayoutHolds(found) ? found : nullptr;
  }();
  if (!table) return std::nullopt;
  unsigned count = 0;
  for (std::size_t i = 0; i < kWineGdiSlots; ++i) {
    if (table[i].type != 0 && !(table[i].ext_type_and_stock & kStockFlag)) ++count;
  }
  return count;
}

// Windows of this process: every top-level window (message-only ones included) of one of its
// threads, and all their descendants.
struct WindowTally {
  DWORD process = GetCurrentProcessId();
  unsigned count = 0;
};

BOOL CALLBACK CountDescendant(HWND, LPARAM param) {
  ++reinterpret_cast<WindowTally*>(param)->count;
  return TRUE;
}

BOOL CALLBACK CountTree(HWND window, LPARAM param) {
  auto& tally = *reinterpret_cast<WindowTally*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == tally.process) {
    ++tally.count;
    EnumChildWindows(window, CountDescendant, param);
  }
  return TRUE;
}

unsigned CountOwnWindows() {
  WindowTally tally;
  const auto param = reinterpret_cast<LPARAM>(&tally);
  EnumWindows(CountTree, param);
  for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
       window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
    CountTree(window, param);
  }
  return tally.count;
}

using CursorFrameInfoFn = HCURSOR(WINAPI*)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);

// Menus, icons, cursors and accelerator tables live in this process's USER handle slots; probing
// every slot with a handle of generation 0 finds them without creating anything.
unsigned CountWineUserSlots() {
  static const auto cursor_frame_info = reinterpret_cast<CursorFrameInfoFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetCursorFrameInfo")));
  unsigned count = 0;
  for (unsigned low = kFirstUserHandle; low <= kLastUserHandle; low += 2) {
    const auto value = static_cast<std::uintptr_t>(low);
    if (IsMenu(reinterpret_cast<HMENU>(value))) {
      ++count;
    } else if (CopyAcceleratorTableW(reinterpret_cast<HACCEL>(value), nullptr, 0) > 0) {
      ++count;
    } else if (cursor_frame_info) {
      DWORD rate = 0, steps = 0;
      if (cursor_frame_info(reinterpret_cast<HCURSOR>(value), 0, 0, &rate, &steps)) ++count;
    }
  }
  return count;
}

}  // namespace

bool RunningUnderWine() {
  static const bool wine = [] {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }();
  return wine;
}

std::optional<unsigned> CountGdiObjects() {
  if (RunningUnderWine()) return CountWineGdiObjects();
  return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

std::optional<unsigned> CountUserObjects() {
  if (RunningUnderWine()) return CountOwnWindows() + CountWineUserSlots();
  return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
}

}  // namespace test_support
