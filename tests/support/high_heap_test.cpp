// The 64-bit test programs' heap: every kind of allocation lands above 4 GB, blocks are reused
// and keep their contents apart, over-aligned blocks keep their alignment, and threads share it.
#include "tests/support/high_heap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::uintptr_t kFourGB = std::uintptr_t{1} << 32;

std::uintptr_t Address(const void* pointer) { return reinterpret_cast<std::uintptr_t>(pointer); }

TEST(HighHeap, EveryKindOfAllocationLiesAboveFourGigabytes) {
  ASSERT_GE(test_support::HighHeapBase(), kFourGB) << "the system granted no address range above 4 GB";
  auto single = std::make_unique<int>(7);
  auto array = std::make_unique<char[]>(100000);
  std::string text(1000, 'x');
  std::vector<double> numbers(3'000'000, 1.5);  // 24 MB: past the first committed pages
  struct alignas(64) Wide {
    char bytes[64];
  };
  auto wide = std::make_unique<Wide>();
  for (const void* pointer : {static_cast<const void*>(single.get()), static_cast<const void*>(array.get()),
                              static_cast<const void*>(text.data()), static_cast<const void*>(numbers.data()),
                              static_cast<const void*>(wide.get())}) {
    EXPECT_GE(Address(pointer), kFourGB) << pointer;
  }
  EXPECT_EQ(Address(wide.get()) % 64, 0u);
  EXPECT_EQ(numbers.back(), 1.5);
}

TEST(HighHeap, FreedBlocksAreReusedAndLiveBlocksStayApart) {
  std::vector<std::unique_ptr<std::uint32_t[]>> blocks;
  for (std::uint32_t i = 0; i < 1000; ++i) {
    blocks.emplace_back(new std::uint32_t[i % 50 + 1]);
    for (std::uint32_t j = 0; j <= i % 50; ++j) blocks.back()[j] = i;
  }
  for (std::uint32_t i = 0; i < 1000; ++i) {
    for (std::uint32_t j = 0; j <= i % 50; ++j) ASSERT_EQ(blocks[i][j], i) << "block " << i << " was overwritten";
  }
  void* freed = blocks[10].get();
  blocks[10].reset();
  auto again = std::make_unique<std::uint32_t[]>(10 % 50 + 1);
  EXPECT_EQ(again.get(), freed) << "a freed block of the same size is handed out again";
}

TEST(HighHeap, ThreadsAllocateAndFreeAtTheSameTime) {
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &failures] {
      for (int i = 0; i < 20000; ++i) {
        auto text = std::make_unique<std::string>(static_cast<std::size_t>(i % 200 + 20), static_cast<char>('a' + t));
        if ((*text)[text->size() - 1] != 'a' + t || Address(text.get()) < kFourGB) ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
