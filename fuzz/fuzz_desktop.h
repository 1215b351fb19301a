#pragma once

#include <string>

#include "exports/module_state.h"
#include "fuzz/fuzz_input.h"
#include "platform/desktop.h"
#include "reports/cabrillo_header.h"

// The operator and the window system as the fuzz input plays them: the
// header dialog is confirmed or cancelled, and confirmed with edited values,
// as the next bytes say. The message box is answered and its text kept.
class FuzzDesktop : public platform::Desktop {
public:
    explicit FuzzDesktop(FuzzInput& input) : m_Input(input) { exports::SetDesktop(this); }
    ~FuzzDesktop() override { exports::SetDesktop(nullptr); }

    void ShowPlainMessage(const std::string&) override {}
    void ShowInfoMessage(const std::string& text, const std::string&) override {
        lastMessage = text;
    }
    bool EditCabrilloHeader(reports::CabrilloHeader& header) override;
    bool WindowThreadRunning() override { return false; }
    void StartWindowThread() override {}
    void ArmRefreshTimer(unsigned) override {}
    std::optional<std::string> HostVersionText() override;

    std::string lastMessage;

private:
    FuzzInput& m_Input;
};
