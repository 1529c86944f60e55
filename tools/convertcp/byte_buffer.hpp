#pragma once
// A growable byte buffer that is written through a raw pointer: the converters ask for
// room for their worst case, write, then commit what they wrote. Unlike std::string it
// never fills new room with zeros, which matters at a gigabyte per second.
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace zemlar::convertcp {

class ByteBuffer {
 public:
  // Room for at least `count` more bytes after the content; returns where they go.
  char* reserveTail(std::size_t count) {
    if (capacity_ - size_ < count) grow(size_ + count);
    return tail();
  }
  char* tail() { return data_.get() + size_; }
  std::size_t spare() const { return capacity_ - size_; }
  void commit(std::size_t count) { size_ += count; }
  void append(std::string_view bytes) {
    std::memcpy(reserveTail(bytes.size()), bytes.data(), bytes.size());
    commit(bytes.size());
  }
  void clear() { size_ = 0; }
  std::string_view view() const { return {data_.get(), size_}; }

 private:
  void grow(std::size_t needed) {
    const std::size_t capacity = needed > 2 * capacity_ ? needed : 2 * capacity_;
    auto data = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0) std::memcpy(data.get(), data_.get(), size_);
    data_ = std::move(data);
    capacity_ = capacity;
  }

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace zemlar::convertcp
