#pragma once

#include <string>

namespace reports {

// The station and category values of a Cabrillo log's header: one value per
// field of the header dialog.
struct CabrilloHeader {
    std::string m_Callsign;
    std::string m_Name;
    std::string m_Address;
    std::string m_AddressCity;
    std::string m_AddressStProv;
    std::string m_AddressPostalCode;
    std::string m_AddressCountry;
    std::string m_Claimed;
    std::string m_Contest;
    std::string m_Email;
    std::string m_Club;
    std::string m_SoapBox;
    std::string m_Operators;
    std::string m_CategoryOperator;
    std::string m_CategoryStation;
    std::string m_CategoryOverlay;
    std::string m_CategoryMode;
    std::string m_CategoryBand;
    std::string m_CategoryAssisted;
    std::string m_CategoryTransmitter;
    std::string m_CategoryPower;
    std::string m_Location;
};

// A line of the log's header: its tag and the value written after it.
struct HeaderLine {
    const char* tag;
    std::string CabrilloHeader::*member;
};
constexpr int kCategoryLineCount = 7;
// The category lines, in the log's order.
extern const HeaderLine kCategoryLines[kCategoryLineCount];

// The header's values as the settings file shared with the host's other
// contest modules keeps them.

// The header as a report pass opens it: the callsign, what the shared file at
// `path` holds (the soapbox with its line breaks back) and the contest's
// constants.
void LoadCabrilloHeader(CabrilloHeader& header, const std::string& path, const std::string& myCall);

// Takes the values the operator confirmed, all but the claimed score, which
// is the module's; category values in upper case, the only case Cabrillo
// readers take.
void TakeConfirmedValues(CabrilloHeader& header, const CabrilloHeader& confirmed);

// Writes the operator's values back to the shared file.
void SaveCabrilloHeader(const CabrilloHeader& header, const std::string& path);

// The soapbox on one line, as the shared file keeps it: each carriage return
// as "<CR>", each line feed as "<LF>".
std::string EscapedSoapBox(const std::string& soapBox);

}  // namespace reports
