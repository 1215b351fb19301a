#pragma once

#include <windows.h>

// Owns one GDI object (brush, bitmap, font, ...) and deletes it with the owner.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_Handle(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : m_Handle(other.Release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    Handle Get() const { return m_Handle; }
    explicit operator bool() const { return m_Handle != nullptr; }

    void Reset(Handle handle = nullptr) {
        if (m_Handle) {
            DeleteObject(m_Handle);
        }
        m_Handle = handle;
    }
    Handle Release() {
        Handle handle = m_Handle;
        m_Handle = nullptr;
        return handle;
    }

private:
    Handle m_Handle = nullptr;
};

using CBrush = GdiObject<HBRUSH>;
using CBitmap = GdiObject<HBITMAP>;
