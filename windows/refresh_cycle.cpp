#include "windows/refresh_cycle.h"

#include <cmath>

#include "engine/contest_log.h"
#include "engine/engine_texts.h"
#include "platform/string_format.h"
#include "windows/status_button_text.h"
#include "windows/status_texts.h"

namespace windows {

namespace {

constexpr double kSp1DriftHz = 300.0;
constexpr double kHighestBandMhz = 28.0;

// What the refresh shows of the last summary, taken in one piece.
struct WorkedSnapshot {
    std::string contestYear;
    int dxccCount = 0;
    std::vector<std::string> codes;
};

WorkedSnapshot SnapshotWorked(engine::ContestLog& log, int modeClass, int band) {
    engine::ContestLog::Locked data(log);
    WorkedSnapshot worked;
    worked.contestYear = data->m_ContestYear;
    worked.dxccCount = band < 0 ? 0 : static_cast<int>(data->m_WorkedDxcc[modeClass].GetSize());
    worked.codes = data->m_WorkedCodes[modeClass].Items();
    return worked;
}

}  // namespace

// Steps that need the host's frequency and mode; false when the host failed.
bool RefreshCycle::ReadFrequencyAndMode(HostLink& host, std::string& mode) {
    const std::optional<double> hz = host.FrequencyHz();
    const std::optional<std::string> hostMode = hz ? host.Mode() : std::nullopt;
    if (!hostMode) {
        return false;
    }
    mode = *hostMode;
    m_HostMode = mode == engine::kModeCw ? 0 : 1;
    if (Sp1Due(*hz, m_LastSp1Freq)) {
        if (!host.RunMacro(kMacroSp1)) {
            return false;
        }
        m_LastSp1Freq = *hz;
    }
    m_HostBand = BandIndexOfFrequency(*hz);
    return true;
}

void RefreshCycle::ShowWorked(StatusView& view, const std::string& mode) {
    const WorkedSnapshot worked = SnapshotWorked(m_Log, m_HostMode, m_HostBand);
    if (m_HostCall.empty() && view.HasMultiplierWindow()) {
        view.SetMultiplierCaption(platform::StringPrintf(kCaptionDxcc, worked.contestYear.c_str(),
                                                         mode.c_str(), worked.dxccCount));
    }
    if (view.HasStatProvWindow()) {
        view.SetStatProvCaption(
            platform::StringPrintf(kCaptionStatProv, worked.contestYear.c_str(), mode.c_str()));
        view.ShowStatProvFlags(FlagsFromWorkedCodes(worked.codes));
    }
    if (view.HasMultiplierWindow()) {
        view.ShowStatusButton(DescribeStatusButton(SnapshotStatusButton(), mode));
    }
}

void RefreshCycle::FillBandNames() {
    m_BandNames.assign(engine::kBandNames, engine::kBandNames + engine::kBandCount);
}

StatusButtonData RefreshCycle::SnapshotStatusButton() const {
    return SnapshotStatusButtonData(m_Log, m_HostCall, m_HostBand, m_HostMode);
}

int BandIndexOfFrequency(double hz) {
    // Whole megahertz, range-checked before the conversion: the host may
    // report any double.
    const double mhz = std::trunc(hz / 1000000.0);
    if (!(mhz >= 0.0 && mhz <= kHighestBandMhz)) {
        return -1;
    }
    switch (static_cast<int>(mhz)) {
        case 1:
            return 0;
        case 3:
            return 1;
        case 7:
            return 2;
        case 14:
            return 3;
        case 21:
            return 4;
        case 28:
            return 5;
        default:
            return -1;
    }
}

bool Sp1Due(double hz, double lastSentHz) {
    return std::fabs(hz - lastSentHz) > kSp1DriftHz;
}

void RefreshCycle::FillBandRowsFor(const std::string& call) {
    engine::ContestLog::Locked data(m_Log);
    std::vector<std::vector<std::string>>& rows = data->m_BandRows;
    for (std::vector<std::string>& row : rows) {
        for (std::size_t cell = 1; cell < row.size(); ++cell) {
            row[cell] = kEmptyRowCell;
        }
    }
    if (call.empty()) {
        return;
    }
    data->m_InfoLog.ForEachOfCall(call, [&](const engine::CInfo& qso) {
        for (std::size_t k = 0; k < m_BandNames.size() && k < rows.size(); ++k) {
            std::vector<std::string>& row = rows[k];
            if (qso.m_Band != m_BandNames[k] || row.size() < engine::kBandRowCells) {
                continue;
            }
            if (qso.m_Mode == engine::kModeCw) {
                row[1] = qso.m_Time.Format(engine::kRowTimeFormat);
            } else if (qso.m_Mode == engine::kModeSsb) {
                row[2] = qso.m_Time.Format(engine::kRowTimeFormat);
            }
            row[3] = qso.m_MultCode;
        }
        return true;
    });
}

void RefreshCycle::Run(HostLink& host, StatusView& view) {
    m_HostCall.clear();
    const std::optional<std::string> call = host.CallBeingEntered();
    if (!call) {
        return;
    }
    m_HostCall = *call;
    if (m_HostCall.size() == 1 || m_HostCall.size() == 2) {
        return;  // the operator is still typing: the windows keep what they show
    }
    FillBandRowsFor(m_HostCall);
    if (!m_HostCall.empty() && view.HasMultiplierWindow()) {
        view.SetMultiplierCaption(kCaptionWorkedWith + m_HostCall);
    }
    std::string mode;
    if (ReadFrequencyAndMode(host, mode)) {
        ShowWorked(view, mode);
    }
}

}  // namespace windows
