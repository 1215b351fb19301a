#include "host/replay/band_plan.h"

#include <cstdint>
#include <limits>

#include "host/replay/ascii_text.h"

using namespace platform;

namespace {

struct Band {
    const char* name;
    std::uint32_t lowKHz;
    std::uint32_t highKHz;
};

// The amateur bands of the ADIF band list from 160 m up, edges included.
const Band kBands[] = {
    {"160m", 1800, 2000},     {"80m", 3500, 4000},        {"60m", 5060, 5450},
    {"40m", 7000, 7300},      {"30m", 10100, 10150},      {"20m", 14000, 14350},
    {"17m", 18068, 18168},    {"15m", 21000, 21450},      {"12m", 24890, 24990},
    {"10m", 28000, 29700},    {"6m", 50000, 54000},       {"4m", 70000, 71000},
    {"2m", 144000, 148000},   {"1.25m", 222000, 225000},  {"70cm", 420000, 450000},
    {"33cm", 902000, 928000}, {"23cm", 1240000, 1300000},
};

constexpr std::size_t kHertzDigits = 6;  // decimal places of megahertz that are whole hertz

std::uint64_t DecimalValue(const std::string& digits) {
    std::uint64_t value = 0;
    for (char c : digits) {
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value;
}

}  // namespace

bool MegahertzToHertz(const std::string& text, unsigned int& hertz) {
    const std::string number = TrimWhiteSpace(text);
    const std::size_t point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : number.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || whole.size() > 4 || !AllDigits(whole) ||
        !AllDigits(fraction)) {
        return false;
    }
    std::string hertzDigits = fraction.substr(0, kHertzDigits);
    hertzDigits.resize(kHertzDigits, '0');
    std::uint64_t value = DecimalValue(whole + hertzDigits);
    if (fraction.size() > kHertzDigits && fraction[kHertzDigits] >= '5') {
        ++value;
    }
    if (value > std::numeric_limits<unsigned int>::max()) {
        return false;
    }
    hertz = static_cast<unsigned int>(value);
    return true;
}

std::string BandOfFrequency(unsigned int hertz) {
    for (const Band& band : kBands) {
        if (hertz >= std::uint64_t{band.lowKHz} * 1000 &&
            hertz <= std::uint64_t{band.highKHz} * 1000) {
            return band.name;
        }
    }
    return std::string();
}

std::string HostBandName(const std::string& adifBand) {
    return LowerCased(TrimWhiteSpace(adifBand));
}
