#include "windows/window_position.h"

#include "engine/settings.h"

namespace windows {

void WindowPosition::Load(const char* keyX, const char* keyY, int32_t defaultX, int32_t defaultY) {
    m_SetupX = engine::ReadSettingInt(keyX);
    m_SetupY = engine::ReadSettingInt(keyY);
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
        engine::WriteSettingInt(keyX, left);
    }
    if (top != m_SetupY) {
        m_SetupY = top;
        engine::WriteSettingInt(keyY, top);
    }
}

}  // namespace windows
