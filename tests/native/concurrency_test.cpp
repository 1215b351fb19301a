// The host's thread changing the store (adding, removing, resetting,
// rescoring, report passes included) while the window thread refreshes and
// lays out the status button. Built with ThreadSanitizer by ./dev test,
// this proves every shared access is guarded; in every build it checks that
// the window thread never sees half a change.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "exports/module_state.h"
#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"
#include "windows/refresh_cycle.h"
#include "windows/status_button_layout.h"

using namespace platform;
using namespace windows;
using namespace exports;

namespace {

class TypingHost : public HostLink {
public:
    std::optional<std::string> CallBeingEntered() override {
        return (++m_Turn % 2) ? std::string("W5XYZ") : std::string();
    }
    std::optional<double> FrequencyHz() override { return 28400000.0 + m_Turn; }
    std::optional<std::string> Mode() override { return std::string(m_Turn % 3 ? "CW" : "SSB"); }
    bool RunMacro(const std::string&) override { return true; }

private:
    int m_Turn = 0;
};

class NoWindows : public StatusView {
public:
    bool HasMultiplierWindow() override { return true; }
    void SetMultiplierCaption(const std::string&) override {}
    bool HasStatProvWindow() override { return true; }
    void SetStatProvCaption(const std::string&) override {}
    void ShowStatProvFlags(const StatProvFlags&) override {}
    void ShowStatusButton(const std::string&) override {}
};

// What the window thread does on each refresh and repaint; false when it saw
// a band row that was not whole or laid out a button without its background.
bool RefreshAndPaint(RefreshCycle& refresh, TypingHost& host, NoWindows& view) {
    refresh.Run(host, view);
    const StatusButtonData data = refresh.SnapshotStatusButton();
    for (const std::vector<std::string>& row : data.bandRows) {
        if (row.size() != 5) {
            return false;
        }
    }
    const std::vector<DrawOp> ops = LayoutStatusButton(data, PixelRect{0, 0, 400, 140});
    const bool painted = !ops.empty() && ops[0].kind == DrawOp::kFill && ops[0].rect.right == 400;
    return painted && (data.bandRows.empty() || data.bandRows.size() == 6);
}

// Every fourth round a report pass: the Cabrillo lines are made from the
// store while the window thread reads it.
void HostWork(int round) {
    ResetAsHost(round % 4 == 3 ? 1 : 0);
    for (int i = 0; i < 60; ++i) {
        QsoArgs q =
            MakeQso(i % 4 ? "W5XYZ" : "K1ABC", i % 3 ? "CW" : "SSB", "K", i % 5 ? "TX" : "MA");
        AddAsHost(q);
        if (i % 7 == 0) {
            RemoveAsHost(q);
        }
        if (i % 20 == 0) {
            ResultAsHost();
        }
    }
    CheckAsHost("W5XYZ", "CW", "K", "10m", nullptr);
    if (round % 2) {
        ResultAsHost();
    }
}

}  // namespace

TEST(Concurrency, RefreshSeesOnlyWholeChanges) {
    ScratchDir dir;
    RefreshCycle refresh(TheModule().m_Log);
    refresh.FillBandNames();
    std::atomic<bool> done{false};
    std::atomic<int> broken{0};
    std::atomic<int> refreshes{0};
    std::thread windowThread([&] {
        TypingHost host;
        NoWindows view;
        while (!done) {
            if (!RefreshAndPaint(refresh, host, view)) {
                ++broken;
            }
            ++refreshes;
        }
    });
    for (int round = 0; round < 40; ++round) {
        HostWork(round);
    }
    done = true;
    windowThread.join();
    EXPECT_EQ(0, broken);
    EXPECT_GT(refreshes, 0);
}
