#include "windows/status_windows.h"

namespace windows {

void WindowState::CloseOpenStatusWindows() {
    if (m_pStatProv) {
        CloseStatusWindow(m_pStatProv);
    }
    if (m_pMultiplier) {
        CloseStatusWindow(m_pMultiplier);
    }
}

void WindowState::DeleteStatusWindows() {
    delete m_pStatProv;
    m_pStatProv = nullptr;
    delete m_pMultiplier;
    m_pMultiplier = nullptr;
}

}  // namespace windows
