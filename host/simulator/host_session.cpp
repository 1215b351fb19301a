#include "host/simulator/host_session.h"

#include <fstream>
#include <ostream>
#include <thread>

#include "host/automation/host_publication.h"
#include "host/replay/band_plan.h"
#include "host/replay/call_country.h"
#include "host/replay/replay_log.h"
#include "host/simulator/desktop_driver.h"
#include "host/simulator/header_answer.h"
#include "host/simulator/log_header.h"
#include "host/simulator/module_watch.h"
#include "host/simulator/window_capture.h"
#include "reports/cabrillo_texts.h"
#include "reports/check_texts.h"
#include "resources/resource.h"

using namespace platform;
using namespace reports;

namespace {

const char kControlDialog[] = "Setup ARRL 10 Meter Contest";
const char kHeaderDialog[] = " ARRL 10 Meter Contest";
const char kOutputBox[] = "Output";
const char kSummaryFile[] = "summary.txt";
const char* const kCountryFiles[] = {"cty.dat", "Z:\\usr\\share\\hamradio-files\\cty.dat"};
const char kUnused[] = "";

// The refresh follows a pause in typing of this much, and takes a moment.
constexpr DWORD kRefreshWaitMs = 3000;

bool ControlDialogOpen() {
    return FindDialogTitled(kControlDialog) != nullptr;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    return static_cast<bool>(file);
}

// The check that the module writes beside the log it produced, when it is
// there; else empty.
std::string CheckBeside(const std::string& output) {
    const std::string produced = kFileProduced;
    const std::string extension = kLogExtension;
    if (output.compare(0, produced.size(), produced) != 0 || output.size() < extension.size() ||
        output.compare(output.size() - extension.size(), extension.size(), extension) != 0) {
        return std::string();
    }
    const std::string log = output.substr(produced.size());
    const std::string check = log.substr(0, log.size() - extension.size()) + kCheckExtension;
    return GetFileAttributesA(check.c_str()) != INVALID_FILE_ATTRIBUTES ? check : std::string();
}

// Answers the module's "Output" box as the operator does, and tells its text.
std::string CloseOutputBox() {
    HWND box = WaitForDialogTitled(kOutputBox, 10000);
    if (!box) {
        return "(no message box)";
    }
    const std::string text = WindowTitle(GetDlgItem(box, 0xFFFF));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return text;
}

}  // namespace

HostSession::HostSession(const SimulatorOptions& options, std::ostream& out, std::ostream& err)
    : m_Options(options), m_Out(out), m_Err(err) {}

int HostSession::Fail(int code, const std::string& message) {
    m_Err << "Vexo: " << message << "\n";
    if (m_Module) {
        FreeLibrary(m_Module);
    }
    return code;
}

bool HostSession::LoadModule() {
    m_Module = LoadLibraryA(m_Options.modulePath.c_str());
    if (!m_Module) {
        m_Err << "Vexo: cannot load the module " << m_Options.modulePath << " (error "
              << GetLastError() << ")\n";
        return false;
    }
    NoteModuleImage(m_Module);
    std::string missing;
    if (!FindPluginExports(m_Module, m_Plugin, missing)) {
        m_Err << "Vexo: the module " << m_Options.modulePath << " does not export " << missing
              << "\n";
        return false;
    }
    const int sets = m_Plugin.GetNumberOfSets();
    m_Out << "Module " << m_Options.modulePath << ", " << sets << " rule set(s):\n";
    for (int set = 0; set < sets; ++set) {
        m_Out << "  " << set << ": " << m_Plugin.GetSetName(set) << "\n";
    }
    return true;
}

bool HostSession::LoadCountries() {
    std::vector<std::string> candidates;
    if (!m_Options.countryPath.empty()) {
        candidates.push_back(m_Options.countryPath);
    } else {
        candidates.assign(std::begin(kCountryFiles), std::end(kCountryFiles));
    }
    std::string error;
    for (const std::string& path : candidates) {
        Result<CountryTable> table = CountryTable::Load(path);
        if (table.Ok()) {
            m_Countries = std::move(table.Value());
            return true;
        }
        error = table.Error();
    }
    m_Err << "Vexo: no country file: " << error << "\n";
    return false;
}

bool HostSession::LoadLog() {
    Result<ReplayLog> log = LoadReplayLog(m_Options.logPath, m_Countries, m_Options.myCall);
    if (!log.Ok()) {
        m_Err << "Vexo: " << log.Error() << "\n";
        return false;
    }
    m_Log = std::move(log.Value().qsos);
    // A Cabrillo log's own header answers the header dialog, unless the
    // command line says otherwise.
    m_Header = HeaderFromLog(log.Value().header);
    m_Header.insert(m_Header.end(), m_Options.header.begin(), m_Options.header.end());
    return true;
}

void HostSession::ResetPass(int reportMode) {
    const std::string myCall =
        !m_Options.myCall.empty() ? m_Options.myCall : (m_Log.empty() ? "" : m_Log.front().myCall);
    COleDateTime date1 =
        m_Log.empty() ? COleDateTime(0.0, COleDateTime::null) : m_Log.front().qsoTime;
    COleDateTime date2 = m_Log.empty() ? date1 : m_Log.back().qsoTime;
    m_Plugin.ResetStats0(kUnused, reportMode, myCall.c_str(), &date1, &date2, kUnused, kUnused,
                         kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, 0,
                         0, 0, 0.0, 0.0, kUnused, kUnused, kUnused);
}

int HostSession::AddLog() {
    int stored = 0;
    for (const HostQso& q : m_Log) {
        COleDateTime time = q.qsoTime;
        stored += m_Plugin.AddData0(q.myCall.c_str(), q.call.c_str(), &time, &time, &time, &time, 0,
                                    q.freqHz, q.mode.c_str(), q.rstSent.c_str(), q.rstRcvd.c_str(),
                                    q.exchSent.c_str(), q.exchRcvd.c_str(), kUnused, kUnused,
                                    kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                                    q.prefix.c_str(), 0, 0, 0, 0.0, 0.0, kUnused, kUnused, kUnused,
                                    q.band.c_str(), kUnused);
    }
    return stored;
}

void HostSession::ScoringPass() {
    ResetPass(0);
    const int stored = AddLog();
    int flag = 0;
    const std::string summary = m_Plugin.GetResult0(&flag);
    m_Out << "Scoring pass: " << m_Log.size() << " QSOs from " << m_Options.logPath << ", "
          << stored << " stored\n"
          << summary << "\n";
    WriteFile(kSummaryFile, summary);
}

void HostSession::OpenWindows() {
    if (!PumpMessagesUntil(ControlDialogOpen, kRefreshWaitMs)) {
        m_Out << "The module's windows do not run (its settings file says they ran last time).\n";
        return;
    }
    HWND dialog = FindDialogTitled(kControlDialog);
    const auto open = [](const char* part) {
        return FindDialog([&](const std::string& t) { return t.find(part) != std::string::npos; });
    };
    if (!open("State/Prov")) {
        PostClick(dialog, IDC_VIEW_STATE);
    }
    if (!open("Multiplier") && !open("DXCC") && !open("worked with")) {
        PostClick(dialog, IDC_VIEW_DXCC);
    }
    PumpMessagesFor(500);
}

int HostSession::RefreshCount() const {
    int count = 0;
    for (const std::string& call : m_Host->Calls()) {
        count += call == "GetField 5" ? 1 : 0;
    }
    return count;
}

void HostSession::AwaitRefresh(int refreshesBefore) {
    if (ControlDialogOpen() &&
        PumpMessagesUntil([&] { return RefreshCount() > refreshesBefore; }, kRefreshWaitMs)) {
        PumpMessagesFor(300);  // the rest of the refresh: frequency, mode, captions, repaint
    }
}

void HostSession::TypeCall(const TypedCall& typed) {
    const int before = RefreshCount();
    const std::string band = BandOfFrequency(static_cast<unsigned int>(typed.freqHz));
    m_Host->SetFrequency(typed.freqHz);
    m_Host->SetMode(typed.mode);
    m_Out << "Typing " << typed.call << " (" << static_cast<long long>(typed.freqHz) << " Hz, "
          << typed.mode << "):";
    for (std::size_t n = 1; n <= typed.call.size(); ++n) {
        const std::string partial = typed.call.substr(0, n);
        const std::string prefix = DxccPrefix(m_Countries, partial);
        m_Host->SetField(5, partial);
        const int code = m_Plugin.CheckCall0(
            partial.c_str(), 0, 0, typed.mode.c_str(), kUnused, kUnused, kUnused, kUnused, kUnused,
            kUnused, kUnused, kUnused, kUnused, prefix.c_str(), 0, 0, 0, 0.0, 0.0, kUnused, kUnused,
            kUnused, kUnused, kUnused, band.c_str(), band.c_str(), nullptr, nullptr);
        m_Out << " " << partial << "=" << code;
        PumpMessagesFor(60);
    }
    m_Out << "\n";
    AwaitRefresh(before);
}

bool HostSession::TakeScreenshots() {
    const auto write = [&](const RgbImage& picture, const char* name) {
        const std::string path = m_Options.screenshotDir + "\\" + name;
        const bool written = WriteFile(path, EncodePng(picture));
        m_Out << (written ? "Picture " : "Cannot write ") << path << "\n";
        return written;
    };
    const auto save = [&](const char* part, const char* name) {
        HWND window =
            FindDialog([&](const std::string& t) { return t.find(part) != std::string::npos; });
        if (!window) {
            m_Out << "No window for " << name << "\n";
            return true;
        }
        return write(CaptureWindow(window), name);
    };
    // The whole screen first: where the windows stand, as they opened.
    bool ok = write(CaptureScreen(), "screen.png") && save(kControlDialog, "control-dialog.png") &&
              save("State/Prov", "state-province.png") &&
              save("worked with", "dxcc-worked-with.png");
    const int before = RefreshCount();
    m_Host->SetField(5, "");
    m_Plugin.CheckCall0("", 0, 0, "CW", kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                        kUnused, kUnused, kUnused, "", 0, 0, 0, 0.0, 0.0, kUnused, kUnused, kUnused,
                        kUnused, kUnused, "10m", "10m", nullptr, nullptr);
    AwaitRefresh(before);
    return ok && save("DXCC worked", "dxcc-prefixes.png");
}

void HostSession::ReportPass() {
    std::thread header([&] {
        if (HWND dialog = WaitForDialogTitled(kHeaderDialog, 10000)) {
            AnswerHeaderDialog(dialog, m_Header);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
    });
    ResetPass(1);
    header.join();
    AddLog();
    std::string output;
    std::thread box([&] { output = CloseOutputBox(); });
    int flag = 0;
    m_Plugin.GetResult0(&flag);
    box.join();
    m_Out << "Report pass: " << output << "\n";
    const std::string check = CheckBeside(output);
    if (!check.empty()) {
        m_Out << "Check file: " << check << "\n";
    }
}

int HostSession::Run() {
    if (!LoadModule()) {
        return Fail(kExitModule, "no module to work with");
    }
    HostAutomation* host = new HostAutomation;
    m_Host = host;
    int result = kExitDone;
    {
        HostPublication publication(host);
        const bool needCountries = !m_Options.logPath.empty() || !m_Options.typed.empty();
        if ((needCountries && !LoadCountries()) || (!m_Options.logPath.empty() && !LoadLog())) {
            result = kExitInput;
        } else {
            if (!m_Options.logPath.empty()) {
                ScoringPass();
            }
            if (m_Options.openWindows) {
                OpenWindows();
            }
            for (const TypedCall& typed : m_Options.typed) {
                TypeCall(typed);
            }
            if (!m_Options.screenshotDir.empty() && !TakeScreenshots()) {
                result = kExitPictures;
            }
            if (m_Options.report) {
                ReportPass();
            }
        }
        // Closes the module's windows, which may still call the host.
        const int unload = UnloadWatched(m_Module, m_Err);
        m_Module = nullptr;
        if (unload != kExitDone) {
            result = unload;
        } else {
            m_Out << "Module unloaded.\n";
        }
    }
    host->Release();
    return result;
}
