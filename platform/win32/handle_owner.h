#pragma once

#include <windows.h>

#include <utility>

namespace platform {

// Owns one handle of the window system and closes it with the owner. The
// traits name the handle's type, the value that stands for none, and the
// function that closes a handle.
template <typename Traits>
class HandleOwner {
public:
    using Handle = typename Traits::Handle;

    HandleOwner() = default;
    explicit HandleOwner(Handle handle) : m_Handle(handle) {}
    ~HandleOwner() { Reset(); }
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;
    HandleOwner(HandleOwner&& other) noexcept : m_Handle(other.Release()) {}
    HandleOwner& operator=(HandleOwner&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    Handle Get() const { return m_Handle; }
    explicit operator bool() const { return m_Handle != Traits::None(); }

    // Closes the handle held, if any, and takes over this one.
    void Reset(Handle handle = Traits::None()) {
        if (*this) {
            Traits::Close(m_Handle);
        }
        m_Handle = handle;
    }
    // Hands the handle to the caller, who closes it.
    Handle Release() { return std::exchange(m_Handle, Traits::None()); }

private:
    Handle m_Handle = Traits::None();
};

// Events, threads and the other kernel objects that CloseHandle closes.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { CloseHandle(handle); }
};
using CHandle = HandleOwner<KernelHandleTraits>;

// A FindFirstFile search, which fails with INVALID_HANDLE_VALUE.
struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { FindClose(handle); }
};
using CFindHandle = HandleOwner<FindHandleTraits>;

}  // namespace platform
