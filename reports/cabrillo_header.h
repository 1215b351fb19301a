#pragma once

#include <string>

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
