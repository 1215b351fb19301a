// chaos_host.exe, the randomised host: plays a host that does everything a
// host may do to the module, in an order drawn from a seed, and checks after
// every step that the module held. One seed per process:
//   chaos_host [--keep-going] [--trace] --seed N [--seconds S] [--module PATH]
// Exit code 0: the run passed; 1: a check failed; 3: something hung; 4: the
// run met the limit of the system under the module (host/chaos/chaos_run.h);
// 5: the process crashed; 77: a run in exit mode ended as it should.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/chaos/chaos_host.h"
#include "host/simulator/module_watch.h"

namespace {

bool ParseOptions(int argc, char** argv, ChaosOptions& options) {
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        const std::string flag = argv[i];
        if (flag == "--keep-going") {
            options.keepGoing = true;
        } else if (flag == "--trace") {
            options.trace = true;
        } else {
            break;
        }
    }
    for (; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        char* end = nullptr;
        const unsigned long long number = std::strtoull(argv[i + 1], &end, 10);
        if (name == "--module") {
            options.modulePath = argv[i + 1];
        } else if (name == "--seed" && *end == '\0') {
            options.seed = number;
        } else if (name == "--seconds" && *end == '\0' && number > 0 && number < 86400) {
            options.seconds = static_cast<DWORD>(number);
        } else {
            return false;
        }
    }
    return i == argc;
}

}  // namespace

int main(int argc, char** argv) {
    ReportCrashes();
    ChaosOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(
            stderr,
            "usage: chaos_host [--keep-going] [--trace] --seed N [--seconds S] [--module PATH]\n");
        return kChaosUsage;
    }
    CoInitialize(nullptr);
    auto* host = new ChaosHost(options);
    const int result = host->Run();
    // Ends here, without taking the host apart: after a failure, COM's or the
    // window system's state may be such that the tear-down would hang.
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
