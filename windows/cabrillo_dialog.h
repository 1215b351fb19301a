#pragma once

#include "platform/win32/dialog.h"
#include "reports/cabrillo_header.h"
#include "resources/resource.h"

namespace windows {

// The modal dialog in which the operator confirms the Cabrillo header.
class Cabrillo : public platform::CDialog {
public:
    Cabrillo() : CDialog(IDD_CABRILLO) {}

    // The values shown; after OK, the values the operator left in the fields.
    reports::CabrilloHeader m_Values;

protected:
    void DoDataExchange(platform::CDataExchange* dx) override;
    BOOL OnInitDialog() override;
};

}  // namespace windows
