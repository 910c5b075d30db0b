// Owners of the operating system's handles: each closes its handle exactly once.
#pragma once

#include <utility>

#include "platform/win32/windows_api.h"

namespace zebo::win32 {

// A handle released with `Close`; both null and INVALID_HANDLE_VALUE mean "none".
template <typename Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;
  UniqueHandle() = default;
  explicit UniqueHandle(Type handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Type{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Type{}));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Type Get() const { return handle_; }
  bool Valid() const { return Traits::Valid(handle_); }
  explicit operator bool() const { return Valid(); }
  void Reset(Type handle = Type{}) {
    if (Traits::Valid(handle_)) Traits::Close(handle_);
    handle_ = handle;
  }
  Type Release() { return std::exchange(handle_, Type{}); }

 private:
  Type handle_{};
};

struct KernelHandleTraits {
  using Type = HANDLE;
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};

struct FindHandleTraits {
  using Type = HANDLE;
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { ::FindClose(h); }
};

using Handle = UniqueHandle<KernelHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;

}  // namespace zebo::win32
