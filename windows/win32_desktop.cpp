#include "windows/win32_desktop.h"

#include <windows.h>

#include "windows/cabrillo_dialog.h"
#include "windows/host_program.h"
#include "windows/window_thread.h"

namespace windows {

void Win32Desktop::ShowPlainMessage(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK);
}

void Win32Desktop::ShowInfoMessage(const std::string& text, const std::string& caption) {
    MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

bool Win32Desktop::EditCabrilloHeader(reports::CabrilloHeader& header) {
    Cabrillo dialog;
    dialog.m_Values = header;
    if (dialog.DoModal(nullptr) != IDOK) {
        return false;
    }
    header = dialog.m_Values;
    return true;
}

bool Win32Desktop::WindowThreadRunning() {
    return m_Windows.Running();
}

void Win32Desktop::StartWindowThread() {
    m_Windows.Start();
}

void Win32Desktop::ArmRefreshTimer(unsigned milliseconds) {
    m_Windows.ArmCallCheckRefresh(milliseconds);
}

std::optional<std::string> Win32Desktop::HostVersionText() {
    return HostProgramVersion();
}

}  // namespace windows
