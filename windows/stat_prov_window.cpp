#include "windows/stat_prov_window.h"

#include "platform/win32/data_exchange.h"
#include "resources/resource.h"
#include "windows/window_state.h"

namespace windows {

static_assert(IDC_STAT_PROV_LAST - IDC_STAT_PROV_FIRST + 1 == kStatProvBoxCount,
              "one flag per box");

Stat_Prov::Stat_Prov(WindowState& state)
    : ModuleDialog(IDD_STAT_PROV, kStatProvWindow, kPaleColours, state.m_Position) {}

void Stat_Prov::DoDataExchange(platform::CDataExchange* dx) {
    for (std::size_t i = 0; i < kStatProvBoxCount; ++i) {
        DDX_Check(dx, IDC_STAT_PROV_FIRST + static_cast<int>(i), m_Checked[i]);
    }
}

}  // namespace windows
