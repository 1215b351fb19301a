#include "reports/cabrillo_log.h"

#include "platform/desktop.h"
#include "platform/profile.h"
#include "platform/string_format.h"
#include "platform/text.h"
#include "reports/cabrillo_texts.h"

CCabrilloLog g_CabrilloLog;

namespace {

// The header's keys in the shared settings file, in the order they are
// written back when the operator confirms; the soapbox follows them.
struct SharedKey {
    const char* key;
    std::string CabrilloHeader::*member;
    bool read;   // loaded before the dialog
    bool saved;  // written after OK
};
const SharedKey kSharedKeys[] = {
    {"Operators", &CabrilloHeader::m_Operators, false, true},  // read with its own default
    {"Name", &CabrilloHeader::m_Name, true, true},
    {"Address", &CabrilloHeader::m_Address, true, true},
    {"Address_City", &CabrilloHeader::m_AddressCity, true, true},
    {"Address_St_Prov", &CabrilloHeader::m_AddressStProv, true, true},
    {"Address_PostalCode", &CabrilloHeader::m_AddressPostalCode, true, true},
    {"Address_Country", &CabrilloHeader::m_AddressCountry, true, true},
    {"Claimed", &CabrilloHeader::m_Claimed, true, false},
    {"Category", &CabrilloHeader::m_CategoryOperator, false, true},
    {"Category_Overlay", &CabrilloHeader::m_CategoryOverlay, false, true},
    {"Contest", &CabrilloHeader::m_Contest, false, true},
    {"Email", &CabrilloHeader::m_Email, true, true},
    {"Club", &CabrilloHeader::m_Club, true, true},
};
// Cabrillo readers take category values in upper case only, whatever the
// operator typed.
std::string CabrilloHeader::*const kCategoryValues[] = {
    &CabrilloHeader::m_CategoryOperator,    &CabrilloHeader::m_CategoryStation,
    &CabrilloHeader::m_CategoryOverlay,     &CabrilloHeader::m_CategoryMode,
    &CabrilloHeader::m_CategoryBand,        &CabrilloHeader::m_CategoryAssisted,
    &CabrilloHeader::m_CategoryTransmitter, &CabrilloHeader::m_CategoryPower,
};
const char kSoapBoxKey[] = "SoapBox";
const char kOperatorsKey[] = "Operators";

std::string Escaped(const std::string& soapBox) {
    return CCabrilloLog::ReplaceAll(CCabrilloLog::ReplaceAll(soapBox, "\r", kEscapedCr), "\n",
                                    kEscapedLf);
}

std::string Unescaped(const std::string& soapBox) {
    return CCabrilloLog::ReplaceAll(CCabrilloLog::ReplaceAll(soapBox, kEscapedCr, "\r"), kEscapedLf,
                                    "\n");
}

}  // namespace

std::string CCabrilloLog::ReplaceAll(const std::string& text, const std::string& search,
                                     const std::string& replacement) {
    if (search == replacement || search.empty()) {
        return text;
    }
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(search); at != std::string::npos;
         at = text.find(search, from)) {
        result.append(text, from, at - from);
        result += replacement;
        from = at + search.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::string CabrilloFileName(const std::string& myCall) {
    const std::string name = TrimWhiteSpace(
        CCabrilloLog::ReplaceAll(CCabrilloLog::ReplaceAll(myCall, "/", "_"), "\\", "_"));
    return name.empty() ? kDefaultFileName : name;
}

void CCabrilloLog::LoadHeader(const std::string& myCall) {
    const std::string path = m_Folder + kHeaderIniName;
    auto read = [&](const char* key, const std::string& fallback) {
        return ReadWholeIniString(path.c_str(), kHeaderIniSection, key, fallback.c_str());
    };
    m_Callsign = myCall;
    m_FileName = CabrilloFileName(myCall);
    m_Operators = read(kOperatorsKey, myCall);
    for (const SharedKey& k : kSharedKeys) {
        if (k.read) {
            this->*k.member = read(k.key, "");
        }
    }
    m_Contest = "ARRL-10";
    m_CategoryOperator = "SINGLE-OP";
    m_CategoryOverlay = "NONE";
    m_CategoryMode = "SSB";
    m_CategoryBand = "10M";
    m_CategoryPower = "HIGH";
    m_CategoryTransmitter = "ONE";
    m_Location = "DX";
    m_CategoryStation = "FIXED";
    m_CategoryAssisted = "NON-ASSISTED";
    m_SoapBox = Unescaped(read(kSoapBoxKey, ""));
}

void CCabrilloLog::SaveHeader() const {
    const std::string path = m_Folder + kHeaderIniName;
    for (const SharedKey& k : kSharedKeys) {
        if (k.saved) {
            WriteIniString(path.c_str(), kHeaderIniSection, k.key, (this->*k.member).c_str());
        }
    }
    WriteIniString(path.c_str(), kHeaderIniSection, kSoapBoxKey, Escaped(m_SoapBox).c_str());
}

// Each line break of the soapbox starts a "SOAPBOX: " line of its own in the
// log; a lone line feed is dropped.
void CCabrilloLog::PrepareSoapBoxForLog() {
    m_SoapBox =
        ReplaceAll(ReplaceAll(Escaped(m_SoapBox), kEscapedCr, kSoapBoxLineBreak), kEscapedLf, "");
}

int CCabrilloLog::EditCabrilloHeader(const std::string& myCall, const COleDateTime&,
                                     const COleDateTime&) {
    LoadHeader(myCall);
    CabrilloHeader edited = *this;
    const bool confirmed = TheDesktop().EditCabrilloHeader(edited);
    if (confirmed) {
        const std::string claimed = m_Claimed;
        static_cast<CabrilloHeader&>(*this) = edited;
        m_Claimed = claimed;  // the claimed score is the module's, not the dialog's
        for (std::string CabrilloHeader::*category : kCategoryValues) {
            this->*category = UpperCased(this->*category);
        }
        SaveHeader();
    }
    PrepareSoapBoxForLog();
    if (!confirmed) {
        return 0;
    }
    m_QsoLines.clear();
    return 1;
}

std::string FormatHostVersion(unsigned major, unsigned minor, unsigned build) {
    return major == 2 ? StringPrintf("%u.%u", major, minor)
                      : StringPrintf("%u.%u.%u", major, minor, build);
}
