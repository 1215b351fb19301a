#pragma once

#include <functional>
#include <string>
#include <vector>

#include "exports/module_state.h"
#include "platform/desktop.h"
#include "reports/cabrillo_header.h"

// A desktop that records what the core asks of it; installed for its lifetime.
class FakeDesktop : public platform::Desktop {
public:
    FakeDesktop() { exports::SetDesktop(this); }
    ~FakeDesktop() override { exports::SetDesktop(nullptr); }

    void ShowPlainMessage(const std::string& text) override { calls.push_back("plain:" + text); }
    void ShowInfoMessage(const std::string& text, const std::string& caption) override {
        calls.push_back("info:" + caption + ":" + text);
    }
    // Records the header shown; the operator's answer comes from editHeader
    // (CANCEL when there is none).
    bool EditCabrilloHeader(reports::CabrilloHeader& header) override {
        calls.push_back("header");
        shownHeader = header;
        return editHeader ? editHeader(header) : false;
    }
    bool WindowThreadRunning() override { return running; }
    void StartWindowThread() override {
        calls.push_back("start");
        running = true;
    }
    void ArmRefreshTimer(unsigned ms) override { calls.push_back("arm:" + std::to_string(ms)); }
    std::optional<std::string> HostVersionText() override { return version; }

    std::vector<std::string> calls;
    reports::CabrilloHeader shownHeader;
    std::function<bool(reports::CabrilloHeader&)> editHeader;
    bool running = false;
    std::optional<std::string> version;
};
