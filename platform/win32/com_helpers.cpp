#include "platform/win32/com_helpers.h"

#include <vector>

namespace platform {

std::string NarrowText(const wchar_t* text, std::size_t length) {
    if (!text || length == 0) {
        return std::string();
    }
    const int wideLength = static_cast<int>(length);
    const int size =
        WideCharToMultiByte(CP_THREAD_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    std::vector<char> buf(static_cast<std::size_t>(size > 0 ? size : 0));
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, wideLength, buf.data(), size, nullptr, nullptr);
    return std::string(buf.begin(), buf.end());
}

std::wstring WideText(const std::string& text) {
    if (text.empty()) {
        return std::wstring();
    }
    const int narrowLength = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), narrowLength, nullptr, 0);
    std::vector<wchar_t> buf(static_cast<std::size_t>(size > 0 ? size : 0));
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), narrowLength, buf.data(), size);
    return std::wstring(buf.begin(), buf.end());
}

}  // namespace platform
