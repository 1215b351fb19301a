#pragma once

#include "windows/module_dialog.h"
#include "windows/stat_prov_boxes.h"

namespace windows {

class WindowState;

// The State/Province window: a modeless, top-most grid of the 97 location
// boxes. The refresh writes m_Checked, then calls UpdateData(false) to check
// and uncheck the boxes; it also sets the caption. A click on a box changes
// only the screen until then.
class Stat_Prov : public ModuleDialog {
public:
    explicit Stat_Prov(WindowState& state);

    // Flag i belongs to the box IDC_STAT_PROV_FIRST + i: 1 worked, 0 not.
    StatProvFlags m_Checked{};

protected:
    void DoDataExchange(platform::CDataExchange* dx) override;
};

}  // namespace windows
