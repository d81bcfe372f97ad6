// Linked into every Windows test program of the 64-bit build: C++ objects live above 4 GB, so a
// pointer that some message, window property or list keeps in 32 bits loses its high half and the
// test that passes it fails or crashes, instead of passing by the luck of a low heap.
//
// Blocks come from one address range reserved above 4 GB, in power-of-two size classes with a
// free list each; a header in front of every block names its class. Pages are committed as the
// range is used. The program's own allocator is untouched: this is for the tests only.
#include "tests/support/high_heap.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <new>

namespace {

constexpr std::uintptr_t kFourGB = std::uintptr_t{1} << 32;
constexpr std::size_t kHeader = 16;  // keeps every block 16-byte aligned
constexpr int kClasses = 48;         // 16 bytes .. 2^51 bytes
constexpr std::size_t kCommitStep = std::size_t{1} << 20;

struct Header {
  std::uint32_t size_class;
  std::uint32_t magic;
};
constexpr std::uint32_t kMagic = 0x48696768;  // "High"

struct FreeBlock {
  FreeBlock* next;
};

class HighArena {
 public:
  void* Allocate(std::size_t size) {
    const int size_class = ClassOf(size + kHeader);
    AcquireSRWLockExclusive(&lock_);
    std::byte* block = nullptr;
    if (FreeBlock* reused = free_[size_class]) {
      free_[size_class] = reused->next;
      block = reinterpret_cast<std::byte*>(reused);
    } else {
      block = Carve(std::size_t{1} << (size_class + 4));
    }
    ReleaseSRWLockExclusive(&lock_);
    if (!block) return nullptr;
    auto* header = reinterpret_cast<Header*>(block);
    header->size_class = static_cast<std::uint32_t>(size_class);
    header->magic = kMagic;
    return block + kHeader;
  }

  void Free(void* pointer) {
    if (!pointer) return;
    std::byte* block = static_cast<std::byte*>(pointer) - kHeader;
    const auto* header = reinterpret_cast<const Header*>(block);
    if (header->magic != kMagic || header->size_class >= kClasses) {
      // Not one of ours: a bug in the program under test. Stop here rather than corrupt the lists.
      __builtin_trap();
    }
    const int size_class = static_cast<int>(header->size_class);
    AcquireSRWLockExclusive(&lock_);
    auto* freed = reinterpret_cast<FreeBlock*>(block);
    freed->next = free_[size_class];
    free_[size_class] = freed;
    ReleaseSRWLockExclusive(&lock_);
  }

  std::uintptr_t Base() {
    AcquireSRWLockExclusive(&lock_);
    Reserve();
    ReleaseSRWLockExclusive(&lock_);
    return reinterpret_cast<std::uintptr_t>(base_);
  }

 private:
  static int ClassOf(std::size_t bytes) {
    int size_class = 0;
    while ((std::size_t{16} << size_class) < bytes) ++size_class;
    return size_class;
  }

  // The range: as large as the system grants, starting above 4 GB.
  void Reserve() {
    if (base_) return;
    for (std::size_t size = std::size_t{1} << 38; size >= (std::size_t{1} << 30); size >>= 1) {
      for (std::uintptr_t hint : {std::uintptr_t{1} << 40, std::uintptr_t{1} << 36, std::uintptr_t{1} << 34}) {
        void* range = VirtualAlloc(reinterpret_cast<void*>(hint), size, MEM_RESERVE, PAGE_NOACCESS);
        if (!range) continue;
        if (reinterpret_cast<std::uintptr_t>(range) < kFourGB) {
          VirtualFree(range, 0, MEM_RELEASE);
          continue;
        }
        base_ = static_cast<std::byte*>(range);
        end_ = base_ + size;
        next_ = committed_ = base_;
        return;
      }
    }
  }

  std::byte* Carve(std::size_t bytes) {
    Reserve();
    if (!base_ || static_cast<std::size_t>(end_ - next_) < bytes) return nullptr;
    std::byte* block = next_;
    next_ += bytes;
    if (next_ > committed_) {
      std::size_t grow = static_cast<std::size_t>(next_ - committed_);
      grow = (grow + kCommitStep - 1) / kCommitStep * kCommitStep;
      if (grow > static_cast<std::size_t>(end_ - committed_)) grow = static_cast<std::size_t>(end_ - committed_);
      if (!VirtualAlloc(committed_, grow, MEM_COMMIT, PAGE_READWRITE)) {
        next_ = block;
        return nullptr;
      }
      committed_ += grow;
    }
    return block;
  }

  SRWLOCK lock_ = SRWLOCK_INIT;
  std::byte* base_ = nullptr;
  std::byte* end_ = nullptr;
  std::byte* next_ = nullptr;
  std::byte* committed_ = nullptr;
  FreeBlock* free_[kClasses] = {};
};

// Constant-initialised, so usable by allocations made before any constructor runs; never
// destroyed, so usable by those made after the last destructor.
constinit HighArena arena;

void* AllocateOrThrow(std::size_t size) {
  if (void* block = arena.Allocate(size)) return block;
  throw std::bad_alloc();
}

// Over-aligned blocks: a larger ordinary block, the aligned address inside it, and the ordinary
// block's address in the word just before the aligned one.
void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
  const auto align = static_cast<std::size_t>(alignment);
  if (align <= kHeader) return arena.Allocate(size);
  void* raw = arena.Allocate(size + align + sizeof(void*));
  if (!raw) return nullptr;
  auto address = reinterpret_cast<std::uintptr_t>(raw) + sizeof(void*);
  address = (address + align - 1) & ~(static_cast<std::uintptr_t>(align) - 1);
  reinterpret_cast<void**>(address)[-1] = raw;
  return reinterpret_cast<void*>(address);
}

void FreeAligned(void* pointer, std::align_val_t alignment) {
  if (!pointer) return;
  if (static_cast<std::size_t>(alignment) <= kHeader) return arena.Free(pointer);
  arena.Free(static_cast<void**>(pointer)[-1]);
}

}  // namespace

namespace test_support {

std::uintptr_t HighHeapBase() { return arena.Base(); }

}  // namespace test_support

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return arena.Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return arena.Allocate(size); }
void operator delete(void* pointer) noexcept { arena.Free(pointer); }
void operator delete[](void* pointer) noexcept { arena.Free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { arena.Free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { arena.Free(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { arena.Free(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { arena.Free(pointer); }

void* operator new(std::size_t size, std::align_val_t alignment) {
  if (void* block = AllocateAligned(size, alignment)) return block;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t alignment) { return operator new(size, alignment); }
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return AllocateAligned(size, alignment);
}
void operator delete(void* pointer, std::align_val_t alignment) noexcept { FreeAligned(pointer, alignment); }
void operator delete[](void* pointer, std::align_val_t alignment) noexcept { FreeAligned(pointer, alignment); }
void operator delete(void* pointer, std::size_t, std::align_val_t alignment) noexcept {
  FreeAligned(pointer, alignment);
}
void operator delete[](void* pointer, std::size_t, std::align_val_t alignment) noexcept {
  FreeAligned(pointer, alignment);
}
void operator delete(void* pointer, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  FreeAligned(pointer, alignment);
}
void operator delete[](void* pointer, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  FreeAligned(pointer, alignment);
}
