// The status windows' thread against a host that misbehaves as real hosts
// do: unloads that come early, host calls that block, a host apartment that
// is busy or gone, call checks in a burst, loads and unloads in a row, and the
// process ending at awkward moments. Each test runs in a process of its own:
// a crash (Wine reports it on the test's output) fails that test alone.
//
// After every unload: FreeLibrary came back within the bound, no thread that
// started in the module runs any more (none can return into its code), none
// of their windows is left, and the host goes on working: its automation
// object answers and the module loads again with its windows.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "host/automation/host_apartment.h"
#include "host/simulator/desktop_driver.h"
#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"
#include "tests/win32/loaded_module.h"
#include "tests/win32/test_host.h"
#include "tests/win32/window_helpers.h"
#include "windows/window_thread.h"

using namespace platform;
using namespace windows;

namespace {

// What the host may wait in FreeLibrary at the most, whatever it does.
constexpr DWORD kUnloadBoundMs = 6000;

// The windows start at the next reset, with both status windows wanted.
void WriteWindowSettings() {
    WriteFileBytes("Plugins/ARRL-10M_CW_SSB.ini",
                   "[Settings]\r\nStart=0\r\nsetup_view_state=1\r\nsetup_view_DXCC=1\r\n"
                   "setup_mode_cw=1\r\n");
}

// How the window thread ended: by itself, or stopped by the unload because it
// stayed inside a host call past the bound.
enum class Ending { kByItself, kEither };

void ExpectCleanUnload(LoadedModule& module, DWORD tookMs, Ending ending) {
    std::cout << "FreeLibrary took " << tookMs << " ms\n";
    EXPECT_LT(tookMs, kUnloadBoundMs) << "the host waited past the bound";
    ModuleThreads& threads = module.Threads();
    EXPECT_EQ(0, threads.StillRunningAfter(2000)) << "a thread of the module still runs";
    EXPECT_EQ(0, threads.WindowsLeft()) << "a window of the module is left";
    EXPECT_FALSE(ControlDialogOpen());
    EXPECT_FALSE(GetModuleHandleA("ARRL-10M_CW_SSB.dll")) << "the module is still mapped";
    if (ending == Ending::kByItself) {
        for (DWORD code : threads.ExitCodes()) {
            EXPECT_NE(kStoppedThreadExitCode, code) << "the window thread had to be stopped";
        }
    }
}

void CallObject() {
    CLSID clsid;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"Vexo2.Application", &clsid));
    IUnknown* running = nullptr;
    ASSERT_EQ(S_OK, GetActiveObject(clsid, nullptr, &running));
    IDispatch* dispatch = nullptr;
    EXPECT_EQ(S_OK, running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    running->Release();
    ASSERT_TRUE(dispatch);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(S_OK, dispatch->Invoke(7, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                                     nullptr));
    VariantClear(&result);
    dispatch->Release();
}

// The host's object answers a call from the host's own thread.
void ExpectObjectAnswers() {
    const HRESULT initialised = CoInitialize(nullptr);
    CallObject();
    if (SUCCEEDED(initialised)) {
        CoUninitialize();
    }
}

// The open handles of this process, found by asking about every handle value
// up to a limit far above what the tests open.
int OpenHandles() {
    int count = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    }
    return count;
}

// The module loads again, its windows open at a reset, and it unloads cleanly.
void ExpectModuleWorksAgain() {
    WriteWindowSettings();
    LoadedModule again;
    ResetAsHost();
    EXPECT_TRUE(WaitForControlDialog()) << "the windows do not open after a reload";
    ExpectCleanUnload(again, again.Unload(), Ending::kByItself);
}

// Handles messages until the host object has seen this many calls of an operation.
bool AwaitCalls(HostAutomation& host, const char* operation, int count) {
    return PumpMessagesUntil([&] { return host.CallsStarted(operation) >= count; });
}

// Starts the windows and waits for the first refresh to have asked the host.
void StartWindows(HostAutomation& host) {
    ResetAsHost();
    ASSERT_TRUE(WaitForControlDialog());
    ASSERT_TRUE(AwaitCalls(host, "GetMode", 1)) << "no first refresh";
}

void WakeRefresh() {
    CheckAsHost("W5XYZ", "CW", "K", "10m", "10m");
}

}  // namespace

// The host's folder with the module's settings: the windows start at the
// next reset, both status windows wanted.
class Unloading : public ::testing::Test {
protected:
    Unloading() { WriteWindowSettings(); }

    // Unloads the module, checks that nothing of it is left, and that the
    // host goes on: its object answers (when it still has one) and the
    // module works again.
    static void UnloadAndGoOn(LoadedModule& module, Ending ending, bool objectAlive = true) {
        ExpectCleanUnload(module, module.Unload(), ending);
        if (objectAlive) {
            ExpectObjectAnswers();
        }
        ExpectModuleWorksAgain();
    }

    ScratchDir m_Dir;
};

// 1. Unloading 0 to 20 ms after the reset that started the windows, with and
// without a host object to find.
struct EarlyUnload {
    DWORD delayMs;
    bool published;
};

void PrintTo(const EarlyUnload& e, std::ostream* out) {
    *out << e.delayMs << " ms" << (e.published ? " with host" : " without host");
}

class UnloadAfterReset : public Unloading, public ::testing::WithParamInterface<EarlyUnload> {};

TEST_P(UnloadAfterReset, ReturnsAndLeavesNothingRunning) {
    std::optional<TestHost> host;
    if (GetParam().published) {
        host.emplace();
    }
    LoadedModule module;
    ResetAsHost();
    Sleep(GetParam().delayMs);
    UnloadAndGoOn(module, Ending::kByItself, host.has_value());
}

INSTANTIATE_TEST_SUITE_P(Delays, UnloadAfterReset,
                         ::testing::Values(EarlyUnload{0, true}, EarlyUnload{1, true},
                                           EarlyUnload{5, true}, EarlyUnload{20, true},
                                           EarlyUnload{0, false}, EarlyUnload{1, false},
                                           EarlyUnload{5, false}, EarlyUnload{20, false}),
                         [](const ::testing::TestParamInfo<EarlyUnload>& info) {
                             return std::to_string(info.param.delayMs) + "ms" +
                                    (info.param.published ? "WithHost" : "WithoutHost");
                         });

// 2. A whole scoring pass, then FreeLibrary with no message handled in between.
TEST_F(Unloading, RightAfterTheScoringPass) {
    TestHost host;
    LoadedModule module;
    ResetAsHost();
    for (int i = 0; i < 1000; ++i) {
        const std::string call = "K" + std::to_string(i) + "AB";
        AddAsHost(MakeQso(call.c_str(), i % 2 ? "CW" : "SSB", "K", "MA"));
    }
    ResultAsHost();
    UnloadAndGoOn(module, Ending::kEither);
}

// The same while the window thread waits for the host's thread, which is
// busy with the pass and then unloads: the host call can never be answered.
TEST_F(Unloading, WhileTheFirstRefreshWaitsForTheUnloadingThread) {
    TestHost host;
    LoadedModule module;
    ResetAsHost();
    Sleep(1000);  // the first refresh is due meanwhile and asks this thread
    ResultAsHost();
    UnloadAndGoOn(module, Ending::kEither);
}

// 3. A host call that blocks for 10 s while the host unloads, with the host's
// object in a single-threaded apartment of its own or in the multithreaded one.
struct BlockedCall {
    const char* operation;
    HostApartment::Kind apartment;
};

void PrintTo(const BlockedCall& b, std::ostream* out) {
    *out << b.operation << (b.apartment == HostApartment::kSingleThreaded ? " STA" : " MTA");
}

class UnloadDuringHostCall : public Unloading, public ::testing::WithParamInterface<BlockedCall> {};

TEST_P(UnloadDuringHostCall, ReturnsWithinTheBound) {
    HostApartment host(GetParam().apartment);
    ASSERT_TRUE(host.Published());
    const std::string operation = GetParam().operation;
    LoadedModule module;
    if (operation == "RunMacro") {
        // The start-up sends the mode macros: the reset returns, bounded.
        host.Object().HoldCalls(operation, 10000);
        ResetAsHost();
        ASSERT_TRUE(AwaitCalls(host.Object(), "RunMacro", 1));
    } else {
        StartWindows(host.Object());
        host.Object().HoldCalls(operation, 10000);
        WakeRefresh();
        ASSERT_TRUE(AwaitCalls(host.Object(), "GetField", 2));
    }
    ExpectCleanUnload(module, module.Unload(), Ending::kEither);
    host.Object().ReleaseHeldCalls();
    ExpectObjectAnswers();
    ExpectModuleWorksAgain();
}

INSTANTIATE_TEST_SUITE_P(Calls, UnloadDuringHostCall,
                         ::testing::Values(BlockedCall{"GetField", HostApartment::kSingleThreaded},
                                           BlockedCall{"GetField", HostApartment::kMultithreaded},
                                           BlockedCall{"RunMacro", HostApartment::kSingleThreaded},
                                           BlockedCall{"RunMacro", HostApartment::kMultithreaded}),
                         [](const ::testing::TestParamInfo<BlockedCall>& info) {
                             return std::string(info.param.operation) +
                                    (info.param.apartment == HostApartment::kSingleThreaded
                                         ? "Sta"
                                         : "Mta");
                         });

// What a stopped thread held of the module's own goes with it: the brushes
// that its pale windows (the control dialog, the State/Province window) paint
// with are deleted, though the thread never closed its windows.
struct BrushSearch {
    const ModuleThreads* threads;
    std::vector<HBRUSH> brushes;
};

// A window in the system's colours paints with the system's own brushes.
bool IsSystemBrush(DWORD_PTR brush) {
    for (int colour = 0; colour <= COLOR_MENUBAR; ++colour) {
        if (reinterpret_cast<DWORD_PTR>(GetSysColorBrush(colour)) == brush) {
            return true;
        }
    }
    return false;
}

BOOL CALLBACK CollectPaleBrush(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BrushSearch*>(param);
    if (!search->threads->Holds(GetWindowThreadProcessId(window, nullptr))) {
        return TRUE;
    }
    HDC dc = GetDC(nullptr);
    DWORD_PTR brush = 0;
    SendMessageTimeoutA(window, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(window), SMTO_BLOCK, 5000, &brush);
    ReleaseDC(nullptr, dc);
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(brush)) == OBJ_BRUSH && !IsSystemBrush(brush)) {
        search->brushes.push_back(reinterpret_cast<HBRUSH>(brush));
    }
    return TRUE;
}

std::vector<HBRUSH> PaleBrushes(const ModuleThreads& threads) {
    BrushSearch search{&threads, {}};
    EnumWindows(CollectPaleBrush, reinterpret_cast<LPARAM>(&search));
    return search.brushes;
}

TEST_F(Unloading, AStoppedThreadLeavesNoBrushOfItsWindows) {
    HostApartment host(HostApartment::kSingleThreaded);
    LoadedModule module;
    StartWindows(host.Object());
    std::vector<HBRUSH> brushes;
    PumpMessagesUntil([&] {
        brushes = PaleBrushes(module.Threads());
        return brushes.size() >= 2;
    });
    ASSERT_GE(brushes.size(), 2u) << "the control dialog and the State/Province window";
    host.Object().HoldCalls("GetField", 10000);
    WakeRefresh();
    ASSERT_TRUE(AwaitCalls(host.Object(), "GetField", 2));
    ExpectCleanUnload(module, module.Unload(), Ending::kEither);
    host.Object().ReleaseHeldCalls();
    for (HBRUSH brush : brushes) {
        EXPECT_EQ(0u, GetObjectType(brush)) << "a brush of the stopped thread's windows is left";
    }
    ExpectModuleWorksAgain();
}

// 4. The host's apartment thread busy for 8 s while this thread unloads.
TEST_F(Unloading, WhileTheHostsApartmentThreadIsBusy) {
    HostApartment host(HostApartment::kSingleThreaded);
    LoadedModule module;
    StartWindows(host.Object());
    host.BeBusyFor(8000);
    WakeRefresh();
    PumpMessagesFor(600);  // the refresh now waits for the busy apartment
    UnloadAndGoOn(module, Ending::kEither);
}

// 5. The object in the multithreaded apartment, the operator idle for 5 s.
TEST_F(Unloading, MultithreadedHostAfterIdleTime) {
    HostApartment host(HostApartment::kMultithreaded);
    LoadedModule module;
    StartWindows(host.Object());
    PumpMessagesFor(5000);
    UnloadAndGoOn(module, Ending::kByItself);
}

// 6. The host's automation thread has ended before the unload, with its
// object withdrawn or left in the running object table.
class UnloadAfterHostThreadEnded : public Unloading, public ::testing::WithParamInterface<bool> {};

TEST_P(UnloadAfterHostThreadEnded, ReturnsAndWorksAgain) {
    HostApartment host(HostApartment::kSingleThreaded);
    LoadedModule module;
    StartWindows(host.Object());
    host.End(GetParam());
    WakeRefresh();
    PumpMessagesFor(600);  // the refresh finds the host gone
    UnloadAndGoOn(module, Ending::kByItself, false);
}

INSTANTIATE_TEST_SUITE_P(Withdrawal, UnloadAfterHostThreadEnded, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Revoked" : "LeftBehind");
                         });

// 7. Call checks every 20 ms for 20 s, then the unload.
TEST_F(Unloading, AfterCallChecksEvery20MsFor20Seconds) {
    TestHost host;
    LoadedModule module;
    StartWindows(host.Object());
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 20000) {
        WakeRefresh();
        PumpMessagesFor(20);
    }
    UnloadAndGoOn(module, Ending::kByItself);
}

// 8. Fifty loads and unloads with the windows running leave no thread, window
// or handle behind. The static runtime keeps two handles of its own for each
// load on the loading thread (its record of that thread): a bare load and
// unload, without a window, measures them.
TEST_F(Unloading, FiftyCyclesLeaveNoThreadWindowOrHandle) {
    TestHost host;
    const auto cycle = [&] {
        WriteWindowSettings();
        LoadedModule module;
        StartWindows(host.Object());
        ExpectCleanUnload(module, module.Unload(), Ending::kByItself);
    };
    cycle();  // COM and the window system set up what they keep for the process
    const int beforeBare = OpenHandles();
    LoadedModule{}.Unload();
    const int runtimeHandles = OpenHandles() - beforeBare;
    const int before = OpenHandles();
    for (int i = 0; i < 50 && !HasFailure(); ++i) {
        cycle();
    }
    const int after = OpenHandles();
    std::cout << "handles before " << before << ", after 50 cycles " << after
              << "; the runtime's own per load " << runtimeHandles << "\n";
    EXPECT_EQ(before + 50 * runtimeHandles, after);
    ExpectObjectAnswers();
}

// 9. Three host threads reset at once: one control dialog opens between them.
// Two would share one link to the host, each releasing it as it closes.
BOOL CALLBACK CountControlDialog(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        WindowTitle(window) == "Setup ARRL 10 Meter Contest") {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

TEST_F(Unloading, ResetsOfThreeHostThreadsAtOnceOpenOneDialog) {
    TestHost host;
    LoadedModule module;
    std::atomic<int> ready{0};
    std::atomic<int> done{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 3; ++i) {
        threads.emplace_back([&] {
            ++ready;
            while (ready < 3) {
                Sleep(0);
            }
            ResetAsHost();
            ++done;
        });
    }
    PumpMessagesUntil([&] { return done == 3; });
    for (std::thread& thread : threads) {
        thread.join();
    }
    ASSERT_TRUE(WaitForControlDialog());
    // The first refresh asks the host on this thread: unloaded while that call
    // waits for an answer, the window thread could not end by itself.
    ASSERT_TRUE(AwaitCalls(host.Object(), "GetMode", 1)) << "no first refresh";
    PumpMessagesFor(500);
    int dialogs = 0;
    EnumWindows(CountControlDialog, reinterpret_cast<LPARAM>(&dialogs));
    EXPECT_EQ(1, dialogs);
    UnloadAndGoOn(module, Ending::kByItself);
}

// 10. The process ends with the windows open, in the header dialog, during a
// host call and during an unload: it ends, with its own exit code.
TEST_F(Unloading, ProcessExitWithTheWindowsOpen) {
    TestHost host;
    LoadedModule module;
    StartWindows(host.Object());
    ExitProcess(HasFailure() ? 1 : 0);
}

TEST_F(Unloading, ProcessExitInTheHeaderDialog) {
    LoadedModule module;
    std::thread exiter([] {
        WaitForTopWindow("#32770", " ARRL 10 Meter Contest", 10000);
        ExitProcess(HasFailure() ? 1 : 0);
    });
    ResetAsHost(1);
    ADD_FAILURE() << "the header dialog ended";
    exiter.join();
}

TEST_F(Unloading, ProcessExitDuringAHostCall) {
    HostApartment host(HostApartment::kSingleThreaded);
    LoadedModule module;
    StartWindows(host.Object());
    host.Object().HoldCalls("GetField", 60000);
    WakeRefresh();
    ASSERT_TRUE(AwaitCalls(host.Object(), "GetField", 2));
    ExitProcess(HasFailure() ? 1 : 0);
}

TEST_F(Unloading, ProcessExitDuringAnUnload) {
    HostApartment host(HostApartment::kSingleThreaded);
    auto* module = new LoadedModule;  // unloaded by the other thread, or by the exit
    StartWindows(host.Object());
    host.Object().HoldCalls("GetField", 60000);
    WakeRefresh();
    ASSERT_TRUE(AwaitCalls(host.Object(), "GetField", 2));
    std::thread unloader([module] { module->Unload(); });
    Sleep(500);  // the unload now waits for the window thread
    ExitProcess(HasFailure() ? 1 : 0);
}
