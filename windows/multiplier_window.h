#pragma once

#include "platform/win32/dialog.h"
#include "windows/vazi_info_button.h"

// The DXCC window: a modeless, top-most, resizable window filled by the
// status button (control IDC_INFO_BUTTON). The refresh sets its caption and
// invalidates the button without erasing it to make it repaint.
class Multiplier : public CDialog {
public:
    Multiplier();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CVaZiInfoButton m_Button;
};
