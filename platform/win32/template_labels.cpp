#include "platform/win32/template_labels.h"

#include <cstring>

namespace platform {

namespace {

// Reads an extended template's fields in turn; a read past its end fails.
class ExtendedTemplate {
public:
    ExtendedTemplate(const BYTE* bytes, DWORD size) : m_Bytes(bytes), m_Size(size) {}

    template <typename T>
    bool Read(T& value) {
        if (m_Offset + sizeof value > m_Size) {
            return false;
        }
        std::memcpy(&value, m_Bytes + m_Offset, sizeof value);
        m_Offset += sizeof value;
        return true;
    }
    bool Skip(std::size_t bytes) {
        m_Offset += bytes;
        return m_Offset <= m_Size;
    }
    void AlignToDword() { m_Offset = (m_Offset + 3) & ~std::size_t{3}; }
    // A text, or a number in its place (0xFFFF, then the number); the text
    // in the system's code page, or empty.
    bool ReadTextOrNumber(std::string& text, WORD& number);

private:
    const BYTE* m_Bytes;
    DWORD m_Size;
    std::size_t m_Offset = 0;
};

bool ExtendedTemplate::ReadTextOrNumber(std::string& text, WORD& number) {
    text.clear();
    number = 0;
    WORD first = 0;
    if (!Read(first)) {
        return false;
    }
    if (first == 0xFFFF) {
        return Read(number);
    }
    std::wstring wide;
    for (WORD c = first; c != 0;) {
        wide.push_back(static_cast<wchar_t>(c));
        if (!Read(c)) {
            return false;
        }
    }
    char narrow[256] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), narrow,
                        sizeof narrow - 1, nullptr, nullptr);
    text = narrow;
    return true;
}

// The window class that a template names by number.
const char* ClassOfNumber(WORD number) {
    switch (number) {
        case 0x0080:
            return "Button";
        case 0x0082:
            return "Static";
        default:
            return "";
    }
}

// The header's fields after the size: menu, window class, title and, with
// DS_SETFONT, the font's size, weight, italic, character set and face.
bool SkipHeaderTail(ExtendedTemplate& reader, DWORD style) {
    std::string text;
    WORD number = 0;
    if (!reader.ReadTextOrNumber(text, number) || !reader.ReadTextOrNumber(text, number) ||
        !reader.ReadTextOrNumber(text, number)) {
        return false;
    }
    return !(style & DS_SETFONT) || (reader.Skip(6) && reader.ReadTextOrNumber(text, number));
}

// One control: help id, extended style, style, place and size, id, window
// class, text, and the bytes of its creation data.
bool ReadItem(ExtendedTemplate& reader, std::vector<DialogLabel>& labels) {
    reader.AlignToDword();
    DWORD style = 0;
    short place[4] = {};
    std::string className;
    std::string text;
    WORD classNumber = 0;
    WORD textNumber = 0;
    WORD extra = 0;
    if (!reader.Skip(8) || !reader.Read(style) || !reader.Read(place) || !reader.Skip(4) ||
        !reader.ReadTextOrNumber(className, classNumber) ||
        !reader.ReadTextOrNumber(text, textNumber) || !reader.Read(extra) || !reader.Skip(extra)) {
        return false;
    }
    DialogLabel label{DialogLabel::kStatic, text, place[2]};
    const char* cls = classNumber ? ClassOfNumber(classNumber) : className.c_str();
    if (IsLabel(cls, style, label.kind)) {
        labels.push_back(label);
    }
    return true;
}

}  // namespace

std::vector<DialogLabel> TemplateLabels(const BYTE* bytes, DWORD size) {
    std::vector<DialogLabel> labels;
    ExtendedTemplate reader(bytes, size);
    WORD version = 0;
    WORD signature = 0;
    DWORD style = 0;
    WORD count = 0;
    // Version and signature, help id and extended style, style, the number
    // of controls, place and size.
    if (!reader.Read(version) || !reader.Read(signature) || signature != 0xFFFF ||
        !reader.Skip(8) || !reader.Read(style) || !reader.Read(count) || !reader.Skip(8) ||
        !SkipHeaderTail(reader, style)) {
        return labels;
    }
    for (WORD i = 0; i < count; ++i) {
        if (!ReadItem(reader, labels)) {
            break;
        }
    }
    return labels;
}

}  // namespace platform
