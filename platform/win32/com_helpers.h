#pragma once

#include <windows.h>
// after windows.h
#include <ole2.h>

#include <cstddef>
#include <string>
#include <utility>

namespace platform {

// Owners of COM values: each releases what it holds when it goes.

// A COM interface pointer; holds one reference.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference that the caller holds.
    explicit ComPtr(Interface* adopted) : m_Pointer(adopted) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return m_Pointer; }
    Interface* operator->() const { return m_Pointer; }
    explicit operator bool() const { return m_Pointer != nullptr; }
    // For functions that hand out a new reference.
    Interface** Out() {
        Reset();
        return &m_Pointer;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    Interface* Detach() {
        Interface* pointer = m_Pointer;
        m_Pointer = nullptr;
        return pointer;
    }
    // Takes over a reference that the caller holds (none: holds nothing) and
    // releases the one held before. The pointer changes before the release,
    // which may run other code on this thread: that code never finds the
    // object being released here.
    void Reset(Interface* adopted = nullptr) {
        if (Interface* previous = std::exchange(m_Pointer, adopted)) {
            previous->Release();
        }
    }

    friend bool operator==(const ComPtr& p, std::nullptr_t) { return !p.m_Pointer; }
    friend bool operator==(std::nullptr_t, const ComPtr& p) { return !p.m_Pointer; }
    friend bool operator!=(const ComPtr& p, std::nullptr_t) { return p.m_Pointer != nullptr; }
    friend bool operator!=(std::nullptr_t, const ComPtr& p) { return p.m_Pointer != nullptr; }

private:
    Interface* m_Pointer = nullptr;
};

// A BSTR.
class ComBstr {
public:
    explicit ComBstr(const std::wstring& text)
        : m_Bstr(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~ComBstr() { SysFreeString(m_Bstr); }
    ComBstr(const ComBstr&) = delete;
    ComBstr& operator=(const ComBstr&) = delete;

    BSTR Get() const { return m_Bstr; }
    // Hands the string to a new owner, such as a VARIANT.
    BSTR Detach() {
        BSTR bstr = m_Bstr;
        m_Bstr = nullptr;
        return bstr;
    }

private:
    BSTR m_Bstr;
};

// A VARIANT, cleared when it goes.
class ComVariant {
public:
    ComVariant() { VariantInit(&m_Value); }
    ~ComVariant() { VariantClear(&m_Value); }
    ComVariant(const ComVariant&) = delete;
    ComVariant& operator=(const ComVariant&) = delete;
    ComVariant(ComVariant&& other) noexcept : m_Value(other.m_Value) {
        VariantInit(&other.m_Value);
    }
    ComVariant& operator=(ComVariant&&) = delete;

    VARIANT* Get() { return &m_Value; }
    const VARIANT& Value() const { return m_Value; }
    // Converts the value in place; false when it has no such form.
    bool ChangeType(VARTYPE type) {
        return SUCCEEDED(VariantChangeType(&m_Value, &m_Value, 0, type));
    }

private:
    VARIANT m_Value;
};

// Text conversions in the calling thread's ANSI code page.
std::string NarrowText(const wchar_t* text, std::size_t length);
std::wstring WideText(const std::string& text);
inline std::string BstrText(BSTR text) {
    return NarrowText(text, SysStringLen(text));
}

}  // namespace platform
