#include "tests/win32/report_pass.h"

#include <future>

#include "tests/common/host_calls.h"

namespace {

const char kHeaderTitle[] = " ARRL 10 Meter Contest";

}  // namespace

bool ResetWithHeaderDialog(const std::function<void(HWND)>& operate, int button,
                           const char* myCall) {
    auto watcher = std::async(std::launch::async, [&] {
        HWND dialog = WaitForTopWindow("#32770", kHeaderTitle, 10000);
        if (dialog) {
            operate(dialog);
            PressButton(dialog, button);
        }
        return dialog != nullptr;
    });
    const int result = ResetAsHost(1, myCall);
    return watcher.get() && result == 1;
}

MessageBoxSeen ResultWithOutputBox(int* flag) {
    auto watcher = std::async(std::launch::async, [] { return CloseNextMessageBox(); });
    ResultAsHost(flag);
    return watcher.get();
}
