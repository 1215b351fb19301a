// Random sequences of the host's calls with arbitrary bytes in every string
// the module reads, null pointers and any date-time, report passes with the
// header confirmed or cancelled; after each call the module's state and its
// files must still hold what the rules promise.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/qso_record.h"
#include "exports/module_state.h"
#include "exports/plugin_api.h"
#include "fuzz/engine_invariants.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_desktop.h"
#include "fuzz/fuzz_input.h"

using namespace platform;
using namespace engine;
using namespace exports;

namespace {

// The module's log, as the host's calls leave it.
ContestLog::Locked Log() {
    return ContestLog::Locked(TheModule().m_Log);
}

constexpr int kMaxCalls = 64;

enum Call : uint8_t { kReset, kAdd, kRemove, kCheck, kValidExchange, kResult, kCallKinds };

// The QSO record's used positions, read in the order of the argument list.
struct Qso {
    explicit Qso(FuzzInput& in)
        : myCall(in.Text()),
          call(in.Text()),
          time(in.Date()),
          freqHz(in.Uint32()),
          mode(in.Text()),
          rstSent(in.Text()),
          rstRcvd(in.Text()),
          exchSent(in.Text()),
          exchRcvd(in.Text()),
          prefix(in.Text()),
          band(in.Text()) {}

    // Its own record: the first with its callsign, band, mode and date-time
    // as a log writes it, to the second; past the end if none.
    std::size_t DeletedIndex() const {
        const ContestLog::Locked data = Log();
        const ContestLogData& log = *data;
        const COleDateTime when = COleDateTime::FromHost(time);
        const char* const kToTheSecond = "%Y-%m-%d %H:%M:%S";
        for (std::size_t i = 0; i < log.m_InfoLog.GetSize(); ++i) {
            const CInfo& r = log.m_InfoLog[i];
            if (r.m_Call == HostText(call) && r.m_Band == HostText(band) &&
                r.m_Mode == HostText(mode) && r.m_Time.m_status == when.m_status &&
                r.m_Time.Format(kToTheSecond) == when.Format(kToTheSecond)) {
                return i;
            }
        }
        return log.m_InfoLog.GetSize();
    }

    bool StoredAs(const CInfo& r) const {
        const COleDateTime when = COleDateTime::FromHost(time);
        return r.m_Call == HostText(call) && r.m_Prefix == HostText(prefix) &&
               r.m_Band == HostText(band) && r.m_Mode == HostText(mode) &&
               r.m_RstRcvd == HostText(rstRcvd) && r.m_RstSent == HostText(rstSent) &&
               r.m_ExchRcvd == HostText(exchRcvd) && r.m_ExchSent == HostText(exchSent) &&
               r.m_FreqKHz == static_cast<int32_t>(freqHz / 1000) &&
               std::memcmp(&r.m_Time.m_dt, &when.m_dt, sizeof when.m_dt) == 0 &&
               r.m_Time.m_status == when.m_status;
    }

    int Send(decltype(&AddData0) entry) const {
        return entry(myCall, call, time, time, nullptr, time, 7, freqHz, mode, rstSent, rstRcvd,
                     exchSent, exchRcvd, "x", "x", "x", "x", "x", "x", "x", "x", "x", prefix, 1, 2,
                     3, 4.0, 5.0, "x", "x", "x", band, "x");
    }

    const char* myCall;
    const char* call;
    COleDateTime* time;
    uint32_t freqHz;
    const char* mode;
    const char* rstSent;
    const char* rstRcvd;
    const char* exchSent;
    const char* exchRcvd;
    const char* prefix;
    const char* band;
};

void Reset(int reportMode, const char* myCall, COleDateTime* date1, COleDateTime* date2) {
    Require(ResetStats0("x", reportMode, myCall, date1, date2, "x", "x", "x", "x", "x", "x", "x",
                        "x", "x", "x", 1, 2, 3, 4.0, 5.0, "x", "x", "x") == 1,
            "ResetStats0 gives 1");
    const ContestLog::Locked log = Log();
    Require(log->m_InfoLog.GetSize() == 0 && log->m_Bands.empty(), "a reset empties the store");
}

void ResetFromInput(FuzzInput& in) {
    const uint8_t mode = in.Byte();
    const int reportMode = (mode & 1) ? static_cast<int>(mode) : 0;
    const char* myCall = in.Text();
    COleDateTime* date1 = in.Date();
    Reset(reportMode, myCall, date1, in.Date());
}

// The records in store order, each by its address: a record stays where it
// is while others come and go.
std::vector<const CInfo*> Records() {
    const ContestLog::Locked data = Log();
    const ContestLogData& log = *data;
    std::vector<const CInfo*> records;
    for (std::size_t i = 0; i < log.m_InfoLog.GetSize(); ++i) {
        records.push_back(&log.m_InfoLog[i]);
    }
    return records;
}

void Add(FuzzInput& in) {
    const std::size_t before = Log()->m_InfoLog.GetSize();
    const Qso qso(in);
    const int result = qso.Send(&AddData0);
    Require(result == 0 || result == 1, "AddData0 gives 0 or 1");
    const ContestLog::Locked log = Log();
    Require(log->m_InfoLog.GetSize() == before + static_cast<std::size_t>(result),
            "1 exactly when stored");
    Require(result == 0 || qso.StoredAs(log->m_InfoLog[before]), "stored as the host sent it");
}

void Remove(FuzzInput& in) {
    const Qso qso(in);
    std::vector<const CInfo*> expected = Records();
    const std::size_t gone = qso.DeletedIndex();
    if (gone < expected.size()) {
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(gone));
    }
    Require(qso.Send(&RemoveData0) == 1, "RemoveData0 gives 1");
    Require(Records() == expected, "the QSO the host deleted is the one removed");
}

void Check(FuzzInput& in) {
    const char* call = in.Text();
    const char* mode = in.Text();
    const char* prefix = in.Text();
    const char* band = in.Text();
    const char* refBand = in.Text();
    char untouched[2][8] = {"buffer", "buffer"};
    const int answer =
        CheckCall0(call, 1, 2, mode, "x", "x", "x", "x", "x", "x", "x", "x", "x", prefix, 1, 2, 3,
                   4.0, 5.0, "x", "x", "x", "x", "x", band, refBand, untouched[0], untouched[1]);
    CheckCallAnswer(answer, call, mode, prefix, band, refBand);
    Require(std::strcmp(untouched[0], "buffer") == 0 && std::strcmp(untouched[1], "buffer") == 0,
            "the host's buffers are never written");
}

void ValidExchange(FuzzInput& in) {
    const char* exchange = in.Text();
    const char* prefix = in.Text();
    const int flag = static_cast<int8_t>(in.Byte());
    const int result = IsValidExchg0(exchange, "x", prefix, "x", 1, 2, flag);
    Require(result == 0 || result == 1, "IsValidExchg0 gives 0 or 1");
    Require(flag == 0 || result == 0, "the flag rejects every exchange");
}

void Result(FuzzInput& in, FuzzDesktop& desktop) {
    int flag = 12345;
    const bool withFlag = (in.Byte() & 1) != 0;
    desktop.lastMessage.clear();
    CheckSummary(GetResult0(withFlag ? &flag : nullptr));
    if (Log()->m_ReportMode != 0) {
        Require(!withFlag || flag == -1, "report pass stores -1");
        CheckCabrilloFile(desktop.lastMessage);
    } else {
        Require(flag == 12345, "flag left alone outside report mode");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ClearFuzzDirectory();
    FuzzInput in(data, size);
    FuzzDesktop desktop(in);
    Reset(0, "W1AW", nullptr, nullptr);
    std::size_t errorsChecked = 0;
    for (int i = 0; i < kMaxCalls && !in.Empty(); ++i) {
        switch (in.Byte() % kCallKinds) {
            case kReset:
                ResetFromInput(in);
                break;
            case kAdd:
                Add(in);
                errorsChecked = CheckErrorFile(errorsChecked);
                break;
            case kRemove:
                Remove(in);
                break;
            case kCheck:
                Check(in);
                break;
            case kValidExchange:
                ValidExchange(in);
                break;
            default:
                Result(in, desktop);
        }
        CheckStore();
    }
    return 0;
}
