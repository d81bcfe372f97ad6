// A growable in-memory byte stream with a position, as the skin loader passes skins, archives and
// entries around. Reads never go past the end; writes at the position overwrite and extend.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace skin {

class TMemoryStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::span<const uint8_t> bytes) : data_(bytes.begin(), bytes.end()) {}

  [[nodiscard]] size_t Size() const noexcept { return data_.size(); }
  [[nodiscard]] size_t Position() const noexcept { return position_; }
  [[nodiscard]] size_t Remaining() const noexcept { return position_ < data_.size() ? data_.size() - position_ : 0; }
  // The position may lie beyond the end: reads there give nothing, a write fills the gap with 0.
  void SetPosition(size_t position) noexcept { position_ = position; }

  [[nodiscard]] const uint8_t* Memory() const noexcept { return data_.data(); }
  [[nodiscard]] std::span<const uint8_t> Bytes() const noexcept { return data_; }

  // Copies up to `count` bytes from the position; returns how many were copied.
  size_t Read(void* buffer, size_t count) noexcept {
    const size_t n = std::min(count, Remaining());
    if (n != 0) std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
  }

  // Reads one byte into `byte`; false at the end.
  bool ReadByte(uint8_t& byte) noexcept {
    if (position_ >= data_.size()) return false;
    byte = data_[position_++];
    return true;
  }

  void Write(const void* buffer, size_t count) {
    if (count == 0) return;
    if (position_ + count > data_.size()) data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, count);
    position_ += count;
  }

  // Empties the stream and sets the position to 0; the memory is given back.
  void Clear() noexcept {
    std::vector<uint8_t>().swap(data_);
    position_ = 0;
  }

  // Cuts the stream or lengthens it with zeros; the position stays where it is. Writers that
  // know how much they will write size the stream once and fill it through Memory().
  void SetSize(size_t size) { data_.resize(size); }
  [[nodiscard]] uint8_t* Memory() noexcept { return data_.data(); }

 private:
  std::vector<uint8_t> data_;
  size_t position_ = 0;
};

}  // namespace skin
