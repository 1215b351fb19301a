#include "windows/refresh_adapters.h"

#include "engine/settings.h"
#include "resources/resource.h"
#include "windows/host_app.h"
#include "windows/refresh_cycle.h"
#include "windows/status_texts.h"
#include "windows/status_windows.h"

namespace {

// The host link as the refresh asks it.
class HostAppLink : public HostLink {
public:
    std::optional<std::string> CallBeingEntered() override {
        const std::optional<ComVariant> field = g_HostApp.GetField(kCallsignField);
        if (!field) {
            return std::nullopt;
        }
        return TextOf(field->Value());
    }
    std::optional<double> FrequencyHz() override { return g_HostApp.GetFrequency(); }
    std::optional<std::string> Mode() override { return g_HostApp.GetMode(); }
    bool RunMacro(const std::string& macro) override { return g_HostApp.RunMacro(macro); }

private:
    static constexpr int32_t kCallsignField = 5;
};

// A status window that is open and still has its window.
template <typename Window>
HWND OpenWindow(Window* window) {
    return window ? window->GetSafeHwnd() : nullptr;
}

class OpenStatusWindows : public StatusView {
public:
    bool HasMultiplierWindow() override { return OpenWindow(g_pMultiplier) != nullptr; }
    void SetMultiplierCaption(const std::string& caption) override {
        SetWindowTextA(OpenWindow(g_pMultiplier), caption.c_str());
    }
    bool HasStatProvWindow() override { return OpenWindow(g_pStatProv) != nullptr; }
    void SetStatProvCaption(const std::string& caption) override {
        SetWindowTextA(OpenWindow(g_pStatProv), caption.c_str());
    }
    void ShowStatProvFlags(const StatProvFlags& flags) override {
        g_pStatProv->m_Checked = flags;
        g_pStatProv->UpdateData(false);
    }
    void ShowStatusButton(const std::string& description) override {
        if (HWND button = GetDlgItem(OpenWindow(g_pMultiplier), IDC_INFO_BUTTON)) {
            SetWindowTextA(button, description.c_str());
            InvalidateRect(button, nullptr, FALSE);
        }
    }
};

void OpenWantedWindows(bool wantStatProv, bool wantDxcc) {
    if (wantDxcc && !g_pMultiplier) {
        g_pMultiplier = OpenStatusWindow<Multiplier>();
        WriteSetting(kKeyViewMultiplier, "1");
    }
    if (wantStatProv && !g_pStatProv) {
        g_pStatProv = OpenStatusWindow<Stat_Prov>();
        WriteSetting(kKeyViewState, "1");
    }
}

}  // namespace

void RefreshStatusWindows(bool wantStatProv, bool wantDxcc) {
    if (!g_pHostDispatch) {
        return;
    }
    g_HostApp.AttachDispatch(g_pHostDispatch.Get());
    OpenWantedWindows(wantStatProv, wantDxcc);
    HostAppLink host;
    OpenStatusWindows view;
    RunRefresh(host, view);
}
