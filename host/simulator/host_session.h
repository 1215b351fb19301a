#pragma once

#include <windows.h>

#include <iosfwd>
#include <string>
#include <vector>

#include "host/automation/host_automation.h"
#include "host/replay/country_table.h"
#include "host/replay/host_qso.h"
#include "host/simulator/options.h"
#include "host/simulator/plugin_exports.h"

// The exit codes of the host simulator.
enum SimulatorExit {
    kExitDone = 0,
    kExitUsage = 1,
    kExitModule = 2,    // the module is missing or lacks an export
    kExitInput = 3,     // the log or the country file cannot be read
    kExitPictures = 4,  // a screenshot could not be written
    // 5 and 6: the module crashed, or its unload did not end cleanly (module_watch.h)
};

// One run of the host: the module loaded from the working directory, the
// automation object published, the log replayed, callsigns typed, pictures
// taken, the report pass, the module unloaded.
class HostSession {
public:
    HostSession(const SimulatorOptions& options, std::ostream& out, std::ostream& err);
    int Run();

private:
    int Fail(int code, const std::string& message);
    bool LoadModule();
    bool LoadCountries();
    bool LoadLog();
    void ResetPass(int reportMode);
    int AddLog();
    void ScoringPass();
    void OpenWindows();
    void TypeCall(const TypedCall& typed);
    bool TakeScreenshots();
    void ReportPass();
    // Waits for the refresh that the last call checks woke, if windows run.
    void AwaitRefresh(int refreshesBefore);
    int RefreshCount() const;

    const SimulatorOptions& m_Options;
    std::ostream& m_Out;
    std::ostream& m_Err;
    HMODULE m_Module = nullptr;
    PluginExports m_Plugin{};
    HostAutomation* m_Host = nullptr;
    CountryTable m_Countries;
    std::vector<HostQso> m_Log;
    std::vector<HeaderEntry> m_Header;  // the header dialog's answers in the report pass
};
