#include "windows/refresh_adapters.h"

#include "engine/settings.h"
#include "engine/settings_keys.h"
#include "resources/resource.h"
#include "windows/status_windows.h"

namespace windows {

namespace {

// The host link as the refresh asks it.
class HostAppLink : public HostLink {
public:
    explicit HostAppLink(CHostApp& host) : m_Host(host) {}
    std::optional<std::string> CallBeingEntered() override {
        const std::optional<platform::ComVariant> field = m_Host.GetField(kCallsignField);
        if (!field) {
            return std::nullopt;
        }
        return TextOf(field->Value());
    }
    std::optional<double> FrequencyHz() override { return m_Host.GetFrequency(); }
    std::optional<std::string> Mode() override { return m_Host.GetMode(); }
    bool RunMacro(const std::string& macro) override { return m_Host.RunMacro(macro); }

private:
    static constexpr int32_t kCallsignField = 5;
    CHostApp& m_Host;
};

// A status window that is open and still has its window.
template <typename Window>
HWND OpenWindow(Window* window) {
    return window ? window->GetSafeHwnd() : nullptr;
}

class OpenStatusWindows : public StatusView {
public:
    explicit OpenStatusWindows(WindowState& state) : m_State(state) {}
    bool HasMultiplierWindow() override { return OpenWindow(m_State.m_pMultiplier) != nullptr; }
    void SetMultiplierCaption(const std::string& caption) override {
        SetWindowTextA(OpenWindow(m_State.m_pMultiplier), caption.c_str());
    }
    bool HasStatProvWindow() override { return OpenWindow(m_State.m_pStatProv) != nullptr; }
    void SetStatProvCaption(const std::string& caption) override {
        SetWindowTextA(OpenWindow(m_State.m_pStatProv), caption.c_str());
    }
    void ShowStatProvFlags(const StatProvFlags& flags) override {
        m_State.m_pStatProv->m_Checked = flags;
        m_State.m_pStatProv->UpdateData(false);
    }
    void ShowStatusButton(const std::string& description) override {
        if (HWND button = GetDlgItem(OpenWindow(m_State.m_pMultiplier), IDC_INFO_BUTTON)) {
            SetWindowTextA(button, description.c_str());
            InvalidateRect(button, nullptr, FALSE);
        }
    }

private:
    WindowState& m_State;
};

void OpenWantedWindows(WindowState& state, bool wantStatProv, bool wantDxcc) {
    if (wantDxcc && !state.m_pMultiplier) {
        state.m_pMultiplier = OpenStatusWindow<Multiplier>(state);
        engine::WriteSetting(engine::kKeyViewMultiplier, "1");
    }
    if (wantStatProv && !state.m_pStatProv) {
        state.m_pStatProv = OpenStatusWindow<Stat_Prov>(state);
        engine::WriteSetting(engine::kKeyViewState, "1");
    }
}

}  // namespace

void RefreshStatusWindows(WindowState& state, bool wantStatProv, bool wantDxcc) {
    HostConnection& link = state.m_Host;
    if (!link.m_pHostDispatch) {
        return;
    }
    link.m_HostApp.AttachDispatch(link.m_pHostDispatch.Get());
    OpenWantedWindows(state, wantStatProv, wantDxcc);
    HostAppLink host(link.m_HostApp);
    OpenStatusWindows view(state);
    state.m_Refresh.Run(host, view);
}

}  // namespace windows
