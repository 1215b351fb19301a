#include "host/chaos/qso_maker.h"

#include <climits>
#include <cmath>
#include <limits>

#include "host/chaos/contest_model.h"

using namespace platform;

namespace {

// The contest's weekend: 2023-12-09 is day 45269 after 1899-12-30.
constexpr double kContestDay = 45269.0;
constexpr std::size_t kRemembered = 64;

const char* const kSoundPrefixes[] = {"K",  "K",    "K",   "VE", "VE", "XE", "DL", "G",
                                      "JA", "VP2E", "KH6", "KL", "LU", "ZS", "9A"};
const char* const kCodes[] = {"MA",  "CT",  "TX", "CA",  "ON",   "QC", "BC", "NL", "NF", "LB",
                              "JAL", "SON", "DF", "DFE", "CMX",  "R1", "R2", "R3", "1",  " 2 ",
                              "3",   "HI",  "AK", "ma",  " ny ", "XX", "QQ", "K"};
const char* const kSerials[] = {"001", "599", "1234", "0042", "12", "7", "12345", "5x9"};
const char* const kOddModes[] = {"FM", "cw", "Ssb", "SSB ", "RTTY", ""};
const char* const kOddBands[] = {"10M", "160m", "15m", "", "10 m"};
const char* const kRefBands[] = {"10m", "10m", "10M", "15m", "160m", ""};

// Odd texts, huge ones included; built once, before any thread draws.
const std::string kLong(300, 'W');
const std::string kHuge(64 * 1024, 'Q');
const std::string kVeryHuge(1024 * 1024, 'Z');
const std::string kOddTexts[] = {
    "",    " ",         "\t",  "\r\n",   "K1\r\nABC", "\x80\xFF\xFE", "%s%n%x%p",
    "CON", "..\\..\\x", "/MM", "599 MA", kLong,       kHuge};

// Date-times that no calendar date holds, or that are not valid.
COleDateTime OddMoment(ChaosRandom& random) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const COleDateTime moments[] = {COleDateTime(nan),
                                    COleDateTime(inf),
                                    COleDateTime(-inf),
                                    COleDateTime(1e300),
                                    COleDateTime(-1e7),
                                    COleDateTime(2958465.0),
                                    COleDateTime(-657434.25),
                                    COleDateTime(-1.25),
                                    COleDateTime(0.0),
                                    COleDateTime(kContestDay + 0.5, COleDateTime::invalid),
                                    COleDateTime(1.0, COleDateTime::null),
                                    COleDateTime(kContestDay, COleDateTime::DateTimeStatus(7))};
    return random.PickFrom(moments);
}

}  // namespace

ArgText QsoMaker::OddText(ChaosRandom& random) {
    const unsigned pick = random.Below(100);
    if (pick < 8) {
        return ArgText(nullptr);
    }
    if (pick < 10) {
        return ArgText(kVeryHuge);
    }
    return ArgText(random.PickFrom(kOddTexts));
}

std::string QsoMaker::Call() {
    // Forty callsigns per thread: enough for duplicates to come often.
    static const char* const kStarts[] = {"K1", "W2", "N3", "VE3", "XE1", "DL2", "G4", "JA1"};
    const unsigned n = m_Random.Below(40);
    std::string call = kStarts[n % 8];
    call += static_cast<char>('A' + n / 8);
    call += static_cast<char>('A' + m_Thread);
    if (m_Random.Percent(5)) {
        call += "/MM";
    }
    return call;
}

TimeArg QsoMaker::Time(bool odd) {
    TimeArg time;
    if (odd && m_Random.Percent(15)) {
        time.null = true;
    } else if (odd) {
        time.value = OddMoment(m_Random);
    } else {
        time.value = COleDateTime(kContestDay + m_Random.Below(2 * 86400) / 86400.0);
    }
    time.key = ContestModel::MomentKey(time.Get());
    return time;
}

ChaosQso QsoMaker::Sound() {
    ChaosQso qso;
    qso.myCall = "W1AW";
    qso.call = Call();
    qso.time = Time(false);
    qso.freqHz = 28000000 + m_Random.Below(1700000);
    qso.mode = m_Random.Percent(55) ? "CW" : "SSB";
    qso.rstSent = qso.mode.text == "CW" ? "599" : "59";
    qso.rstRcvd = qso.rstSent;
    qso.exchSent = "MA";
    qso.prefix = m_Random.PickFrom(kSoundPrefixes);
    const bool code = qso.prefix.text == "K" || qso.prefix.text == "VE" ||
                      qso.prefix.text == "XE" || qso.call.text.find("/MM") != std::string::npos;
    qso.exchRcvd = code ? m_Random.PickFrom(kCodes) : m_Random.PickFrom(kSerials);
    qso.band = "10m";
    return qso;
}

// One or two positions of a sound QSO made odd.
void QsoMaker::MakeOdd(ChaosQso& qso) {
    ArgText* const texts[] = {&qso.myCall,   &qso.call,     &qso.mode,   &qso.rstSent, &qso.rstRcvd,
                              &qso.exchSent, &qso.exchRcvd, &qso.prefix, &qso.band};
    for (unsigned n = m_Random.Between(1, 2); n > 0; --n) {
        const unsigned which = m_Random.Below(12);
        if (which < 9) {
            *texts[which] = OddText(m_Random);
        } else if (which == 9) {
            qso.time = Time(true);
        } else if (which == 10) {
            const unsigned frequencies[] = {0u, 1u, UINT_MAX, 3500000u, 28000000u};
            qso.freqHz = m_Random.PickFrom(frequencies);
        } else {
            qso.mode = m_Random.PickFrom(kOddModes);
            qso.band = m_Random.PickFrom(kOddBands);
        }
    }
    // Another thread's empty callsign would share this one's keys.
    if (m_Thread != 0 && qso.call.text.empty()) {
        qso.call = std::string("#") + static_cast<char>('A' + m_Thread);
    } else if (m_Thread != 0 && qso.call.text.find('#') == std::string::npos) {
        qso.call = qso.call.text + "#" + static_cast<char>('A' + m_Thread);
    }
}

ChaosQso QsoMaker::Next(unsigned oddPercent) {
    ChaosQso qso = Sound();
    if (m_Random.Percent(oddPercent)) {
        MakeOdd(qso);
    }
    if (m_Made.size() == kRemembered) {
        m_Made.erase(m_Made.begin());
    }
    m_Made.push_back(qso);
    return qso;
}

ChaosQso QsoMaker::Earlier() {
    if (m_Made.empty()) {
        return Next(0);
    }
    return m_Made[m_Random.Below(static_cast<uint32_t>(m_Made.size()))];
}

CheckArgs QsoMaker::NextCheck(unsigned oddPercent) {
    const ChaosQso qso = m_Random.Percent(60) ? Earlier() : Sound();
    CheckArgs check{qso.call, qso.mode, qso.prefix, "10m", m_Random.PickFrom(kRefBands)};
    if (m_Random.Percent(oddPercent)) {
        ArgText* const texts[] = {&check.call, &check.mode, &check.prefix, &check.band,
                                  &check.refBand};
        *texts[m_Random.Below(5)] = OddText(m_Random);
    }
    return check;
}

ExchangeArgs QsoMaker::NextExchange(unsigned oddPercent) {
    ExchangeArgs args;
    args.exchange = m_Random.Percent(50) ? m_Random.PickFrom(kCodes) : m_Random.PickFrom(kSerials);
    args.prefix = m_Random.PickFrom(kSoundPrefixes);
    if (m_Random.Percent(oddPercent)) {
        const int flags[] = {1, -1, INT_MIN, INT_MAX};
        args.exchange = m_Random.Percent(70) ? OddText(m_Random) : args.exchange;
        args.prefix = m_Random.Percent(30) ? OddText(m_Random) : args.prefix;
        args.flag = m_Random.Percent(30) ? m_Random.PickFrom(flags) : 0;
    }
    return args;
}
