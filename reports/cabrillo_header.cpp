#include "reports/cabrillo_header.h"

#include "platform/profile.h"
#include "platform/text.h"
#include "reports/cabrillo_texts.h"

namespace reports {

const HeaderLine kCategoryLines[kCategoryLineCount] = {
    {"CATEGORY-OPERATOR: ", &CabrilloHeader::m_CategoryOperator},
    {"CATEGORY-ASSISTED: ", &CabrilloHeader::m_CategoryAssisted},
    {"CATEGORY-BAND: ", &CabrilloHeader::m_CategoryBand},
    {"CATEGORY-MODE: ", &CabrilloHeader::m_CategoryMode},
    {"CATEGORY-POWER: ", &CabrilloHeader::m_CategoryPower},
    {"CATEGORY-STATION: ", &CabrilloHeader::m_CategoryStation},
    {"CATEGORY-TRANSMITTER: ", &CabrilloHeader::m_CategoryTransmitter},
};

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

std::string UnescapedSoapBox(const std::string& soapBox) {
    return platform::ReplaceAll(platform::ReplaceAll(soapBox, kEscapedCr, "\r"), kEscapedLf, "\n");
}

}  // namespace

std::string EscapedSoapBox(const std::string& soapBox) {
    return platform::ReplaceAll(platform::ReplaceAll(soapBox, "\r", kEscapedCr), "\n", kEscapedLf);
}

void LoadCabrilloHeader(CabrilloHeader& header, const std::string& path,
                        const std::string& myCall) {
    auto read = [&](const char* key, const std::string& fallback) {
        return platform::ReadWholeIniString(path.c_str(), kHeaderIniSection, key, fallback.c_str());
    };
    header.m_Callsign = myCall;
    header.m_Operators = read(kOperatorsKey, myCall);
    for (const SharedKey& k : kSharedKeys) {
        if (k.read) {
            header.*k.member = read(k.key, "");
        }
    }
    header.m_Contest = "ARRL-10";
    header.m_CategoryOperator = "SINGLE-OP";
    header.m_CategoryOverlay = "NONE";
    header.m_CategoryMode = "SSB";
    header.m_CategoryBand = "10M";
    header.m_CategoryPower = "HIGH";
    header.m_CategoryTransmitter = "ONE";
    header.m_Location = "DX";
    header.m_CategoryStation = "FIXED";
    header.m_CategoryAssisted = "NON-ASSISTED";
    header.m_SoapBox = UnescapedSoapBox(read(kSoapBoxKey, ""));
}

void TakeConfirmedValues(CabrilloHeader& header, const CabrilloHeader& confirmed) {
    const std::string claimed = header.m_Claimed;
    header = confirmed;
    header.m_Claimed = claimed;
    for (std::string CabrilloHeader::*category : kCategoryValues) {
        header.*category = platform::UpperCased(header.*category);
    }
}

void SaveCabrilloHeader(const CabrilloHeader& header, const std::string& path) {
    for (const SharedKey& k : kSharedKeys) {
        if (k.saved) {
            platform::WriteIniString(path.c_str(), kHeaderIniSection, k.key,
                                     (header.*k.member).c_str());
        }
    }
    platform::WriteIniString(path.c_str(), kHeaderIniSection, kSoapBoxKey,
                             EscapedSoapBox(header.m_SoapBox).c_str());
}

}  // namespace reports
