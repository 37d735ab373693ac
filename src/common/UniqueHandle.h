// One owner for every kind of Windows handle: it frees its handle once, cannot be
// copied, and can be moved. A kind is a small traits type saying what "no handle"
// is and how the handle is freed.
#pragma once

#include <windows.h>

#include <utility>

namespace quorvane {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::None(); }
  void reset(Handle handle = Traits::None()) {
    if (handle_ != Traits::None()) Traits::Free(handle_);
    handle_ = handle;
  }
  Handle release() { return std::exchange(handle_, Traits::None()); }

 private:
  Handle handle_ = Traits::None();
};

// Kernel objects (processes, threads, tokens, events): no handle is nullptr.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return nullptr; }
  static void Free(Handle handle) { CloseHandle(handle); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

// Files from CreateFile: no handle is INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static void Free(Handle handle) { CloseHandle(handle); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;

// Searches from FindFirstFile.
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static void Free(Handle handle) { FindClose(handle); }
};
using FindHandle = UniqueHandle<FindHandleTraits>;

}  // namespace quorvane
