#include "reports/cabrillo_log.h"

#include <string_view>

#include "platform/text.h"
#include "reports/cabrillo_texts.h"
#include "reports/fixed_width.h"
#include "reports/whole_file.h"

namespace reports {

namespace {

// The widths of the QSO line's columns.
constexpr std::size_t kFreqWidth = 5;
constexpr std::size_t kModeWidth = 2;
constexpr std::size_t kMyCallWidth = 13;
constexpr std::size_t kExchSentWidth = 5;
constexpr std::size_t kCallWidth = 12;

// The QSO's date and time as COleDateTime::Format gives them with the
// pattern "%Y-%m-%d %H%M", written digit by digit: the pattern is not read
// again for every line.
// Its minute.
int64_t TimeColumn(FixedWidthLine& line, const platform::COleDateTime& time, LineDay& lastDay) {
    constexpr int64_t kMinutesPerDay = 24 * 60;
    if (time.m_status == platform::COleDateTime::null) {
        return QsoLineFacts::kNoMinute;
    }
    long long day = 0;
    long long second = 0;
    if (time.m_status != platform::COleDateTime::valid ||
        !platform::OleDateToDaySecond(time.m_dt, day, second)) {
        line.Text(platform::kInvalidDateTimeText);
        return QsoLineFacts::kNoMinute;
    }
    if (day != lastDay.day) {
        lastDay.day = day;
        platform::OleDayToDate(day, lastDay.year, lastDay.month, lastDay.dayOfMonth);
    }
    // Fields of a valid date: never negative, the year of four digits.
    line.Digits(static_cast<unsigned>(lastDay.year), 4);
    line.Text("-");
    line.Digits(static_cast<unsigned>(lastDay.month), 2);
    line.Text("-");
    line.Digits(static_cast<unsigned>(lastDay.dayOfMonth), 2);
    line.Text(" ");
    line.Digits(static_cast<unsigned>(second / 3600), 2);
    line.Digits(static_cast<unsigned>(second / 60 % 60), 2);
    return day * kMinutesPerDay + second / 60;
}

// A value on one line of the log: control characters become blanks.
std::string OneLineValue(const std::string& value) {
    std::string line = value;
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return line;
}

std::string TagLine(const char* tag, const std::string& value) {
    return tag + OneLineValue(value) + "\r\n";
}

// The soapbox's deliberate line breaks stay; anything else that would break
// a line is blanked within its own line.
std::string SoapBoxLines(const std::string& soapBox) {
    const std::string breakText = kSoapBoxLineBreak;
    std::string lines = "SOAPBOX: ";
    std::size_t from = 0;
    for (std::size_t at = soapBox.find(breakText); at != std::string::npos;
         at = soapBox.find(breakText, from)) {
        lines += OneLineValue(soapBox.substr(from, at - from)) + breakText;
        from = at + breakText.size();
    }
    return lines + OneLineValue(soapBox.substr(from)) + "\r\n";
}

std::string CreatedByLine(const std::optional<std::string>& version) {
    return TagLine(kCreatedBy, version ? *version : "");
}

const HeaderLine kStationLines[] = {
    {"LOCATION: ", &CabrilloHeader::m_Location},
    {"EMAIL: ", &CabrilloHeader::m_Email},
    {"NAME: ", &CabrilloHeader::m_Name},
    {"ADDRESS: ", &CabrilloHeader::m_Address},
    {"ADDRESS-CITY: ", &CabrilloHeader::m_AddressCity},
    {"ADDRESS-STATE-PROVINCE: ", &CabrilloHeader::m_AddressStProv},
    {"ADDRESS-POSTALCODE: ", &CabrilloHeader::m_AddressPostalCode},
    {"ADDRESS-COUNTRY: ", &CabrilloHeader::m_AddressCountry},
    {"OPERATORS: ", &CabrilloHeader::m_Operators},
};

template <std::size_t N>
std::string TagLines(const CabrilloHeader& header, const HeaderLine (&lines)[N]) {
    std::string text;
    for (const HeaderLine& line : lines) {
        text += TagLine(line.tag, header.*line.member);
    }
    return text;
}

}  // namespace

std::string CabrilloFileName(const std::string& myCall) {
    const std::string name = platform::TrimWhiteSpace(
        CCabrilloLog::ReplaceAll(CCabrilloLog::ReplaceAll(myCall, "/", "_"), "\\", "_"));
    return name.empty() ? kDefaultFileName : name;
}

int CCabrilloLog::EditCabrilloHeader(platform::Desktop& desktop, const std::string& myCall,
                                     const platform::COleDateTime&, const platform::COleDateTime&) {
    const std::string path = m_Folder + kHeaderIniName;
    m_FileName = CabrilloFileName(myCall);
    LoadCabrilloHeader(*this, path, myCall);
    CabrilloHeader edited = *this;
    const bool confirmed = desktop.EditCabrilloHeader(edited);
    if (confirmed) {
        TakeConfirmedValues(*this, edited);
        SaveCabrilloHeader(*this, path);
    }
    PrepareSoapBoxForLog();
    if (!confirmed) {
        return 0;
    }
    m_QsoLines.clear();
    return 1;
}

// Each line break of the soapbox starts a "SOAPBOX: " line of its own in the
// log; a lone line feed is dropped.
void CCabrilloLog::PrepareSoapBoxForLog() {
    m_SoapBox = ReplaceAll(ReplaceAll(EscapedSoapBox(m_SoapBox), kEscapedCr, kSoapBoxLineBreak),
                           kEscapedLf, "");
}

QsoLineFacts CCabrilloLog::AddQsoLine(std::string_view call, int32_t freqKHz,
                                      std::string_view modeText,
                                      const platform::COleDateTime& qsoTime, std::string_view,
                                      std::string_view exchSent, std::string_view,
                                      std::string_view exchRcvd) {
    const std::string_view report = modeText == "CW" ? kQsoReportCw : kQsoReportPhone;
    FixedWidthLine line(m_QsoLines);
    line.Text(kQsoTag);
    line.RightAligned(freqKHz, kFreqWidth);
    line.Text(" ");
    line.RightAligned(modeText, kModeWidth);
    line.Text(" ");
    const int64_t minute = TimeColumn(line, qsoTime, m_LineDay);
    line.Text(" ");
    line.LeftAligned(m_Callsign, kMyCallWidth);
    line.Text(" ");
    line.Text(report);
    line.LeftAligned(exchSent, kExchSentWidth);
    line.Text("  ");
    line.LeftAligned(call, kCallWidth);
    line.Text("  ");
    line.Text(report);
    line.LeftAligned(exchRcvd, 0);
    line.Text("\r\n");
    line.End();
    return {minute, line.FieldWithBlank()};
}

std::string CCabrilloLog::WriteLog(int32_t claimedScore,
                                   const std::optional<std::string>& hostVersion,
                                   bool* produced) const {
    std::string bytes = "START-OF-LOG: 3.0\r\n";
    bytes += TagLine("CALLSIGN: ", m_Callsign);
    bytes += "CONTEST: ARRL-10\r\n";
    bytes += TagLines(*this, kCategoryLines);
    bytes += TagLine("CLAIMED-SCORE: ", std::to_string(claimedScore));
    bytes += TagLine("CLUB: ", m_Club);
    bytes += CreatedByLine(hostVersion);
    bytes += TagLines(*this, kStationLines);
    bytes += SoapBoxLines(m_SoapBox);

    const std::string name = m_FileName + kLogExtension;
    const bool written = WriteWholeFile(m_Folder, name, {bytes, m_QsoLines, kEndOfLog});
    if (produced) {
        *produced = written;
    }
    return (written ? kFileProduced : kFileNotProduced) + name;
}

}  // namespace reports
