#include "reports/sponsor_rules.h"

#include <cstring>

#include "platform/ole_date_time.h"

const SponsorRules kSponsorRules = {
    4,
    2,
    48 * 60,
    36 * 60,
    30,
    {
        {MultKind::State,
         "AL AK AZ AR CA CO CT DE FL GA HI ID IL IN IA KS KY LA ME MD MA MI MN MS MO MT NE NV NH "
         "NJ NM NY NC ND OH OK OR PA RI SC SD TN TX UT VT VA WA WV WI WY DC"},
        {MultKind::Canadian, "AB BC LB MB NB NF NS NT NU ON PE QC SK YT"},
        {MultKind::Mexican,
         "AGS BAC BCS CAM CHH CHI CMX COA COL DGO EMX GRO GTO HGO JAL MIC MOR NAY NLE OAX PUE QRO "
         "QUI SIN SLP SON TAB TAM TLX VER YUC ZAC"},
        {MultKind::ItuRegion, "R1 R2 R3"},
    },
    {{"DF", "CMX"}, {"DFE", "CMX"}},
    // Country files name Alaska "KL7" or "KL".
    {{"K", nullptr}, {"VE", nullptr}, {"XE", nullptr}, {"KH6", "HI"}, {"KL7", "AK"}, {"KL", "AK"}},
    {
        {&CabrilloHeader::m_CategoryOperator, "SINGLE-OP MULTI-OP CHECKLOG"},
        {&CabrilloHeader::m_CategoryAssisted, "ASSISTED NON-ASSISTED"},
        {&CabrilloHeader::m_CategoryPower, "QRP LOW HIGH"},
        {&CabrilloHeader::m_CategoryMode, "MIXED CW SSB"},
        {&CabrilloHeader::m_CategoryBand, "10M ALL"},
    },
    {"MULTI-OP", "MIXED"},
};

bool ListHolds(const char* list, const std::string& value) {
    if (value.empty() || value.find(' ') != std::string::npos) {
        return false;
    }
    const std::size_t length = value.size();
    for (const char* at = std::strstr(list, value.c_str()); at;
         at = std::strstr(at + 1, value.c_str())) {
        const bool starts = at == list || at[-1] == ' ';
        const bool ends = at[length] == '\0' || at[length] == ' ';
        if (starts && ends) {
            return true;
        }
    }
    return false;
}

std::string SponsorCode(const std::string& sent) {
    for (const SponsorRules::Alias& alias : kSponsorRules.aliases) {
        if (sent == alias.sent) {
            return alias.code;
        }
    }
    return sent;
}

std::optional<MultKind> SponsorCodeKind(const std::string& code) {
    const std::string read = SponsorCode(code);
    for (const SponsorRules::Codes& codes : kSponsorRules.locations) {
        if (ListHolds(codes.codes, read)) {
            return codes.kind;
        }
    }
    return std::nullopt;
}

const SponsorRules::HomeStation* HomeStationOf(const std::string& prefix) {
    for (const SponsorRules::HomeStation& station : kSponsorRules.homeStations) {
        if (prefix == station.prefix) {
            return &station;
        }
    }
    return nullptr;
}

std::optional<MultKind> HomeListOf(const std::string& prefix) {
    const SponsorRules::HomeStation* home = HomeStationOf(prefix);
    if (!home) {
        return std::nullopt;
    }
    if (home->state) {
        return SponsorCodeKind(home->state);
    }
    // The stations without a state of their own: "K", "VE" and "XE".
    return prefix == "K"    ? MultKind::State
           : prefix == "VE" ? MultKind::Canadian
                            : MultKind::Mexican;
}

bool IsAnotherCountrysCode(const std::string& prefix, const std::string& code) {
    const std::optional<MultKind> home = HomeListOf(prefix);
    const std::optional<MultKind> kind = SponsorCodeKind(code);
    return home && kind && *kind != *home;
}

ContestPeriod ContestPeriodOf(int year) {
    constexpr int kDaysPerWeek = 7;
    constexpr int64_t kMinutesPerDay = 24 * 60;
    // Day 0 of the count is a Saturday. A weekend that begins on the first
    // Saturday of December, 1 to 7 December, is wholly in December.
    const int64_t december1 = OleDayOf(year, 12, 1);
    const int64_t firstSaturday =
        december1 + (kDaysPerWeek - december1 % kDaysPerWeek) % kDaysPerWeek;
    const int64_t first = (firstSaturday + kDaysPerWeek) * kMinutesPerDay;
    return {first, first + kSponsorRules.periodMinutes};
}

std::optional<int> ContestYearOf(const std::string& year) {
    constexpr std::size_t kDigits = 4;
    constexpr int kFirstYear = 1900;  // day counts from here on are positive
    if (year.size() != kDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : year) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value >= kFirstYear ? std::optional<int>(value) : std::nullopt;
}
