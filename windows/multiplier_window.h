#pragma once

#include "windows/module_dialog.h"
#include "windows/vazi_info_button.h"

namespace windows {

class WindowState;

// The DXCC window: a modeless, top-most, resizable window filled by the
// status button (control IDC_INFO_BUTTON). The refresh sets its caption and
// invalidates the button without erasing it to make it repaint.
class Multiplier : public ModuleDialog {
public:
    explicit Multiplier(WindowState& state);

protected:
    void DoDataExchange(platform::CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDpiChanged(UINT dpi, const RECT& suggested) override;

private:
    // Fills the client area with the button, less its margin.
    void FitButton();

    CVaZiInfoButton m_Button;
};

}  // namespace windows
