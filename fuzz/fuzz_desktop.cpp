#include "fuzz/fuzz_desktop.h"

using namespace reports;

namespace {

// The header values the operator may type over in the dialog.
std::string CabrilloHeader::*const kEditable[] = {
    &CabrilloHeader::m_Callsign,  &CabrilloHeader::m_Name,         &CabrilloHeader::m_Club,
    &CabrilloHeader::m_SoapBox,   &CabrilloHeader::m_CategoryMode, &CabrilloHeader::m_AddressCity,
    &CabrilloHeader::m_Operators, &CabrilloHeader::m_Location,
};

}  // namespace

bool FuzzDesktop::EditCabrilloHeader(CabrilloHeader& header) {
    if ((m_Input.Byte() & 1) == 0) {
        return false;
    }
    for (std::string CabrilloHeader::*member : kEditable) {
        const char* typed = m_Input.Text();
        if (typed) {
            header.*member = typed;
        }
    }
    return true;
}

std::optional<std::string> FuzzDesktop::HostVersionText() {
    const char* version = m_Input.Text();
    return version ? std::optional<std::string>(version) : std::nullopt;
}
