#include "host/simulator/header_answer.h"

#include "resources/resource.h"

namespace {

struct Field {
    const char* label;
    int id;
};

const Field kFields[] = {
    {"CONTEST", IDC_CABRILLO_CONTEST},
    {"CALLSIGN", IDC_CABRILLO_CALLSIGN},
    {"CLAIMED", IDC_CABRILLO_CLAIMED},
    {"CATEGORY-OPERATOR", IDC_CABRILLO_CATEGORY_OPERATOR},
    {"LOCATION", IDC_CABRILLO_LOCATION},
    {"CATEGORY-BAND", IDC_CABRILLO_CATEGORY_BAND},
    {"CATEGORY-ASSISTED", IDC_CABRILLO_CATEGORY_ASSISTED},
    {"CATEGORY-MODE", IDC_CABRILLO_CATEGORY_MODE},
    {"CATEGORY-OVERLAY", IDC_CABRILLO_CATEGORY_OVERLAY},
    {"CATEGORY-POWER", IDC_CABRILLO_CATEGORY_POWER},
    {"CATEGORY-STATION", IDC_CABRILLO_CATEGORY_STATION},
    {"CATEGORY-TRANSMITTER", IDC_CABRILLO_CATEGORY_TRANSMITTER},
    {"NAME", IDC_CABRILLO_NAME},
    {"ADDRESS", IDC_CABRILLO_ADDRESS},
    {"ADDRESS-CITY", IDC_CABRILLO_ADDRESS_CITY},
    {"ADDRESS-STATE-PROVINCE", IDC_CABRILLO_ADDRESS_STATE_PROVINCE},
    {"ADDRESS-POSTALCODE", IDC_CABRILLO_ADDRESS_POSTALCODE},
    {"ADDRESS-COUNTRY", IDC_CABRILLO_ADDRESS_COUNTRY},
    {"OPERATORS", IDC_CABRILLO_OPERATORS},
    {"CLUB", IDC_CABRILLO_CLUB},
    {"SOAPBOX", IDC_CABRILLO_SOAPBOX},
    {"E-MAIL", IDC_CABRILLO_EMAIL},
};

std::string WithLineBreaks(const std::string& value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value.compare(i, 2, "\\n") == 0) {
            text += "\r\n";
            ++i;
        } else {
            text += value[i];
        }
    }
    return text;
}

bool IsComboBox(HWND control) {
    char cls[32] = "";
    GetClassNameA(control, cls, sizeof cls);
    return lstrcmpiA(cls, "ComboBox") == 0;
}

}  // namespace

int HeaderFieldId(const std::string& label) {
    for (const Field& field : kFields) {
        if (label == field.label) {
            return field.id;
        }
    }
    return 0;
}

void AnswerHeaderDialog(HWND dialog, const std::vector<HeaderEntry>& entries) {
    for (const HeaderEntry& entry : entries) {
        HWND control = GetDlgItem(dialog, HeaderFieldId(entry.field));
        const std::string text =
            entry.field == "SOAPBOX" ? WithLineBreaks(entry.value) : entry.value;
        const LPARAM textParam = reinterpret_cast<LPARAM>(text.c_str());
        const LRESULT item = IsComboBox(control) ? SendMessageA(control, CB_FINDSTRINGEXACT,
                                                                static_cast<WPARAM>(-1), textParam)
                                                 : CB_ERR;
        if (item != CB_ERR) {
            SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        } else {
            SendMessageA(control, WM_SETTEXT, 0, textParam);
        }
    }
}
