#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "windows/stat_prov_boxes.h"
#include "windows/status_button_layout.h"

namespace engine {
class ContestLog;
}  // namespace engine

namespace windows {

// The refresh that follows the host after each pause in typing, apart from
// the window system: what it asks the host and what it shows.

// The host's automation object as the refresh uses it. A value that does not
// arrive (the call failed, the host went away) ends the refresh.
class HostLink {
public:
    virtual ~HostLink() = default;
    // The callsign being entered; empty when the host's field holds none.
    virtual std::optional<std::string> CallBeingEntered() = 0;
    virtual std::optional<double> FrequencyHz() = 0;
    virtual std::optional<std::string> Mode() = 0;
    virtual bool RunMacro(const std::string& macro) = 0;
};

// The two status windows as the refresh updates them; a window that is not
// open ignores what is meant for it.
class StatusView {
public:
    virtual ~StatusView() = default;
    virtual bool HasMultiplierWindow() = 0;
    virtual void SetMultiplierCaption(const std::string& caption) = 0;
    virtual bool HasStatProvWindow() = 0;
    virtual void SetStatProvCaption(const std::string& caption) = 0;
    virtual void ShowStatProvFlags(const StatProvFlags& flags) = 0;
    // The DXCC window's button takes the words for what it shows (its window
    // text, for a screen reader) and repaints from the host state and the rows.
    virtual void ShowStatusButton(const std::string& description) = 0;
};

// The refresh: its own state and its steps. The window thread's only; it
// reads the contest log, and writes its band rows, under the log's lock.
class RefreshCycle {
public:
    explicit RefreshCycle(engine::ContestLog& log) : m_Log(log) {}
    RefreshCycle(const RefreshCycle&) = delete;
    RefreshCycle& operator=(const RefreshCycle&) = delete;

    // Empties m_BandNames and appends the six band names, "160m" to "10m".
    void FillBandNames();

    // Reads the host (callsign, frequency, mode), fills the band rows for the
    // callsign, sends "<SP1>" when the frequency has moved, and updates the
    // captions, the State/Province boxes and the DXCC button. Leaves off early
    // for a callsign of one or two characters, and where the host fails.
    void Run(HostLink& host, StatusView& view);
    // Rewrites cells 1 to 4 of every band row for the callsign: CW time, SSB
    // time and location code of its last QSO on the band, "   -" where none.
    void FillBandRowsFor(const std::string& call);

    // What the status button paints now, from the host's state as last read.
    StatusButtonData SnapshotStatusButton() const;

    engine::ContestLog& Log() const { return m_Log; }

    // The band names in row order: row k of the band rows belongs to
    // m_BandNames[k]. Filled when the control dialog opens.
    std::vector<std::string> m_BandNames;

    // The host's state as the refresh last read it, for the status button.
    // The callsign being entered in the host; empty selects the DXCC view.
    std::string m_HostCall;
    // Band index of the host's frequency (0 "160m" to 5 "10m"), -1 for none.
    int32_t m_HostBand = -1;
    // 0 when the host's mode is "CW", 1 otherwise; -1 until the first refresh.
    int32_t m_HostMode = -1;
    // The frequency at which "<SP1>" was last sent, in Hz.
    double m_LastSp1Freq = 0.0;

private:
    bool ReadFrequencyAndMode(HostLink& host, std::string& mode);
    void ShowWorked(StatusView& view, const std::string& mode);

    engine::ContestLog& m_Log;
};

// Band index of a frequency by its whole megahertz (1, 3, 7, 14, 21, 28 →
// 0 to 5); -1 for any other.
int BandIndexOfFrequency(double hz);

// Whether "<SP1>" is due: more than 300 Hz from the frequency of the last send.
bool Sp1Due(double hz, double lastSentHz);

}  // namespace windows
