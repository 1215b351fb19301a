// Vexo.exe, the host simulator: plays the logging program for the contest
// module, from the command line.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

#include "host/simulator/host_session.h"
#include "host/simulator/module_watch.h"

int main(int argc, char** argv) {
    ReportCrashes();
    // The module's texts carry their own CR LF; everything goes out as written.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const Result<SimulatorOptions> options = ParseOptions(args);
    if (!options.Ok()) {
        std::cerr << "Vexo: " << options.Error() << "\n" << UsageText();
        return kExitUsage;
    }
    if (options.Value().help) {
        std::cout << UsageText();
        return kExitDone;
    }
    if (FAILED(CoInitialize(nullptr))) {
        std::cerr << "Vexo: COM is not available\n";
        return kExitModule;
    }
    HostSession session(options.Value(), std::cout, std::cerr);
    const int result = session.Run();
    CoUninitialize();
    return result;
}
