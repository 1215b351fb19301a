#include "host/simulator/options.h"

#include <cstdlib>
#include <fstream>

namespace {

Result<TypedCall> ParseTypedCall(const std::string& text) {
    // CALL[,FREQUENCY_HZ[,MODE]]
    TypedCall typed;
    const std::size_t first = text.find(',');
    typed.call = text.substr(0, first);
    if (typed.call.empty()) {
        return Result<TypedCall>::Failure("--type needs a callsign");
    }
    if (first != std::string::npos) {
        const std::size_t second = text.find(',', first + 1);
        const std::string freq = text.substr(first + 1, second - first - 1);
        char* end = nullptr;
        typed.freqHz = std::strtod(freq.c_str(), &end);
        if (freq.empty() || *end != '\0' || !(typed.freqHz >= 0.0)) {
            return Result<TypedCall>::Failure("--type " + text +
                                              ": the frequency is not a number of Hz");
        }
        if (second != std::string::npos) {
            typed.mode = text.substr(second + 1);
        }
    }
    return Result<TypedCall>::Success(typed);
}

Result<HeaderEntry> ParseHeaderEntry(const std::string& text) {
    const std::size_t equals = text.find('=');
    HeaderEntry entry{text.substr(0, equals),
                      equals == std::string::npos ? "" : text.substr(equals + 1)};
    for (const std::string& known : HeaderFieldNames()) {
        if (known == entry.field && equals != std::string::npos) {
            return Result<HeaderEntry>::Success(entry);
        }
    }
    return Result<HeaderEntry>::Failure("--header " + text +
                                        ": expected FIELD=VALUE with a field of the header dialog");
}

// Header values, one FIELD=VALUE a line; the error, empty when none.
std::string ReadHeaderFile(const std::string& path, std::vector<HeaderEntry>& header) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "cannot read the header file " + path;
    }
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        Result<HeaderEntry> entry = ParseHeaderEntry(line);
        if (!entry.Ok()) {
            return path + ", line " + std::to_string(number) + ": " + entry.Error();
        }
        header.push_back(entry.Value());
    }
    return std::string();
}

// Applies one option taking a value; false when the option is not one of these.
bool TakeValue(const std::string& option, const std::string& value, SimulatorOptions& o,
               std::string& error) {
    if (option == "--log") {
        o.logPath = value;
    } else if (option == "--cty") {
        o.countryPath = value;
    } else if (option == "--my-call") {
        o.myCall = value;
    } else if (option == "--module") {
        o.modulePath = value;
    } else if (option == "--screenshots") {
        o.screenshotDir = value;
    } else if (option == "--type") {
        Result<TypedCall> typed = ParseTypedCall(value);
        if (typed.Ok()) {
            o.typed.push_back(typed.Value());
        } else {
            error = typed.Error();
        }
    } else if (option == "--header-file") {
        error = ReadHeaderFile(value, o.header);
    } else if (option == "--header") {
        Result<HeaderEntry> entry = ParseHeaderEntry(value);
        if (entry.Ok()) {
            o.header.push_back(entry.Value());
        } else {
            error = entry.Error();
        }
    } else {
        return false;
    }
    return true;
}

}  // namespace

const std::vector<std::string>& HeaderFieldNames() {
    static const std::vector<std::string> names = {"CONTEST",
                                                   "CALLSIGN",
                                                   "CLAIMED",
                                                   "CATEGORY-OPERATOR",
                                                   "LOCATION",
                                                   "CATEGORY-BAND",
                                                   "CATEGORY-ASSISTED",
                                                   "CATEGORY-MODE",
                                                   "CATEGORY-OVERLAY",
                                                   "CATEGORY-POWER",
                                                   "CATEGORY-STATION",
                                                   "CATEGORY-TRANSMITTER",
                                                   "NAME",
                                                   "ADDRESS",
                                                   "ADDRESS-CITY",
                                                   "ADDRESS-STATE-PROVINCE",
                                                   "ADDRESS-POSTALCODE",
                                                   "ADDRESS-COUNTRY",
                                                   "OPERATORS",
                                                   "CLUB",
                                                   "SOAPBOX",
                                                   "E-MAIL"};
    return names;
}

Result<SimulatorOptions> ParseOptions(const std::vector<std::string>& args) {
    SimulatorOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--open-windows") {
            options.openWindows = true;
        } else if (option == "--report") {
            options.report = true;
        } else if (i + 1 < args.size() && option.rfind("--", 0) == 0) {
            std::string error;
            if (!TakeValue(option, args[i + 1], options, error)) {
                return Result<SimulatorOptions>::Failure("unknown option " + option);
            }
            if (!error.empty()) {
                return Result<SimulatorOptions>::Failure(error);
            }
            ++i;
        } else {
            return Result<SimulatorOptions>::Failure(option.rfind("--", 0) == 0
                                                         ? option + " needs a value or is unknown"
                                                         : "unexpected argument " + option);
        }
    }
    if (options.report && options.logPath.empty()) {
        return Result<SimulatorOptions>::Failure("--report needs --log");
    }
    return Result<SimulatorOptions>::Success(options);
}

std::string UsageText() {
    return "Usage: Vexo.exe [options]\n"
           "Plays the logging program for its ARRL 10 m contest module, from the program's\n"
           "working directory: the module in Plugins\\, err.txt and the log beside it.\n"
           "\n"
           "  --log FILE            replay an ADIF or Cabrillo log: a scoring pass, the\n"
           "                        summary printed and written to summary.txt\n"
           "  --cty FILE            the country file (cty.dat) for the DXCC prefixes\n"
           "  --my-call CALL        own callsign where a record names none\n"
           "  --open-windows        tick both view boxes of the module's control dialog\n"
           "  --type CALL[,HZ[,MODE]]  type a callsign key by key at that frequency and mode\n"
           "                        (default 28400000 Hz, CW); repeatable\n"
           "  --screenshots DIR     save PNG pictures of the module's windows in DIR\n"
           "  --report              then a report pass: the Cabrillo header dialog is\n"
           "                        answered with a Cabrillo log's own header and the\n"
           "                        --header values, the log written\n"
           "  --header FIELD=VALUE  a value of the header dialog, FIELD its label\n"
           "                        (NAME, CLUB, OPERATORS, SOAPBOX, CATEGORY-POWER, ...)\n"
           "  --header-file FILE    header values from a file, one FIELD=VALUE a line\n"
           "  --module PATH         the module (default Plugins\\ARRL-10M_CW_SSB.dll)\n"
           "  --help                this text\n";
}
