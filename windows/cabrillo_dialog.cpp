#include "windows/cabrillo_dialog.h"

#include <vector>

#include "engine/places.h"
#include "platform/win32/data_exchange.h"

namespace windows {

namespace {

struct Field {
    int id;
    std::string reports::CabrilloHeader::*member;
    bool combo;
};

const Field kFields[] = {
    {IDC_CABRILLO_CONTEST, &reports::CabrilloHeader::m_Contest, false},
    {IDC_CABRILLO_CALLSIGN, &reports::CabrilloHeader::m_Callsign, false},
    {IDC_CABRILLO_CLAIMED, &reports::CabrilloHeader::m_Claimed, false},
    {IDC_CABRILLO_CATEGORY_OPERATOR, &reports::CabrilloHeader::m_CategoryOperator, true},
    {IDC_CABRILLO_LOCATION, &reports::CabrilloHeader::m_Location, true},
    {IDC_CABRILLO_CATEGORY_BAND, &reports::CabrilloHeader::m_CategoryBand, true},
    {IDC_CABRILLO_CATEGORY_ASSISTED, &reports::CabrilloHeader::m_CategoryAssisted, true},
    {IDC_CABRILLO_CATEGORY_MODE, &reports::CabrilloHeader::m_CategoryMode, true},
    {IDC_CABRILLO_CATEGORY_OVERLAY, &reports::CabrilloHeader::m_CategoryOverlay, true},
    {IDC_CABRILLO_CATEGORY_POWER, &reports::CabrilloHeader::m_CategoryPower, true},
    {IDC_CABRILLO_CATEGORY_STATION, &reports::CabrilloHeader::m_CategoryStation, true},
    {IDC_CABRILLO_CATEGORY_TRANSMITTER, &reports::CabrilloHeader::m_CategoryTransmitter, true},
    {IDC_CABRILLO_NAME, &reports::CabrilloHeader::m_Name, false},
    {IDC_CABRILLO_ADDRESS, &reports::CabrilloHeader::m_Address, false},
    {IDC_CABRILLO_ADDRESS_CITY, &reports::CabrilloHeader::m_AddressCity, false},
    {IDC_CABRILLO_ADDRESS_STATE_PROVINCE, &reports::CabrilloHeader::m_AddressStProv, false},
    {IDC_CABRILLO_ADDRESS_POSTALCODE, &reports::CabrilloHeader::m_AddressPostalCode, false},
    {IDC_CABRILLO_ADDRESS_COUNTRY, &reports::CabrilloHeader::m_AddressCountry, false},
    {IDC_CABRILLO_OPERATORS, &reports::CabrilloHeader::m_Operators, false},
    {IDC_CABRILLO_CLUB, &reports::CabrilloHeader::m_Club, false},
    {IDC_CABRILLO_SOAPBOX, &reports::CabrilloHeader::m_SoapBox, false},
    {IDC_CABRILLO_EMAIL, &reports::CabrilloHeader::m_Email, false},
};

struct ComboList {
    int id;
    std::vector<const char*> entries;
};

// The entries the operator picks from; sorted boxes order them themselves.
const ComboList kComboLists[] = {
    {IDC_CABRILLO_CATEGORY_OPERATOR, {"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"}},
    {IDC_CABRILLO_CATEGORY_BAND, {"ALL", "80M", "40M", "20M", "15M", "10M"}},
    {IDC_CABRILLO_CATEGORY_ASSISTED, {"ASSISTED", "NON-ASSISTED"}},
    {IDC_CABRILLO_CATEGORY_MODE, {"CW", "SSB", "MIXED"}},
    {IDC_CABRILLO_CATEGORY_POWER, {"HIGH", "LOW", "QRP"}},
    {IDC_CABRILLO_CATEGORY_TRANSMITTER, {"ONE", "TWO", "UNLIMITED"}},
    {IDC_CABRILLO_CATEGORY_OVERLAY, {"CLASSIC", "ROOKIE"}},
    {IDC_CABRILLO_CATEGORY_STATION,
     {"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"}},
};

// The station's own location: outside the US and Canada, unknown, then the
// US states by their codes and the Canadian provinces and territories as
// their State/Province boxes name them, in the order of the table of places.
std::vector<const char*> HeaderLocations() {
    std::vector<const char*> locations = {"DX", "--/--"};
    for (const engine::Place& place : engine::kPlaces) {
        if (place.kind == engine::PlaceKind::UsState) {
            locations.push_back(place.code);
        }
    }
    for (const engine::Place& place : engine::kPlaces) {
        if (place.kind == engine::PlaceKind::Canadian) {
            ForEachBox(place, [&](const char* box) { locations.push_back(box); });
        }
    }
    return locations;
}

void AddEntries(HWND combo, const std::vector<const char*>& entries) {
    for (const char* entry : entries) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
}

}  // namespace

void Cabrillo::DoDataExchange(platform::CDataExchange* dx) {
    for (const Field& field : kFields) {
        if (field.combo) {
            DDX_CBString(dx, field.id, m_Values.*field.member);
        } else {
            DDX_Text(dx, field.id, m_Values.*field.member);
        }
    }
}

BOOL Cabrillo::OnInitDialog() {
    for (const ComboList& list : kComboLists) {
        AddEntries(GetDlgItem(list.id), list.entries);
    }
    AddEntries(GetDlgItem(IDC_CABRILLO_LOCATION), HeaderLocations());
    return CDialog::OnInitDialog();
}

}  // namespace windows
