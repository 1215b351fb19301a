#include "windows/window_position.h"

#include "engine/settings.h"

void WindowPosition::Load(const char* keyX, const char* keyY, int32_t defaultX, int32_t defaultY) {
    m_SetupX = ReadSettingInt(keyX);
    m_SetupY = ReadSettingInt(keyY);
    if (m_SetupX == 0) {
        m_SetupX = defaultX;
    }
    if (m_SetupY == 0) {
        m_SetupY = defaultY;
    }
}

void WindowPosition::Save(int32_t left, int32_t top, const char* keyX, const char* keyY) {
    if (left != m_SetupX) {
        m_SetupX = left;
        WriteSettingInt(keyX, left);
    }
    if (top != m_SetupY) {
        m_SetupY = top;
        WriteSettingInt(keyY, top);
    }
}
