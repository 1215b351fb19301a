#include "host/replay/replay_log.h"

#include "host/replay/adif_reader.h"
#include "host/replay/cabrillo_qso.h"
#include "host/replay/file_text.h"
#include "host/replay/qso_mapping.h"

namespace {

// Maps every item of a log to a QSO; the first that fails ends it.
template <typename Item, typename Map>
Result<ReplayLog> MapAll(const std::vector<Item>& items, Map map, const std::string& path) {
    ReplayLog log;
    log.qsos.reserve(items.size());
    for (const Item& item : items) {
        Result<HostQso> qso = map(item);
        if (!qso.Ok()) {
            return Result<ReplayLog>::Failure(FileError(path, qso.Error()));
        }
        log.qsos.push_back(std::move(qso.Value()));
    }
    return Result<ReplayLog>::Success(std::move(log));
}

Result<ReplayLog> LoadCabrillo(const std::string& path, const std::string& text,
                               const CountryTable& countries) {
    const Result<CabrilloLog> cabrillo = ParseCabrillo(text);
    if (!cabrillo.Ok()) {
        return Result<ReplayLog>::Failure(FileError(path, cabrillo.Error()));
    }
    Result<ReplayLog> log = MapAll(
        cabrillo.Value().qsos,
        [&](const CabrilloLine& line) { return MapCabrilloQso(line, countries); }, path);
    if (log.Ok()) {
        log.Value().header = cabrillo.Value().header;
    }
    return log;
}

Result<ReplayLog> LoadAdif(const std::string& path, const std::string& text,
                           const CountryTable& countries, const std::string& defaultMyCall) {
    const Result<AdifLog> adif = ParseAdif(text);
    if (!adif.Ok()) {
        return Result<ReplayLog>::Failure(FileError(path, adif.Error()));
    }
    return MapAll(
        adif.Value().records,
        [&](const AdifRecord& record) { return MapAdifRecord(record, countries, defaultMyCall); },
        path);
}

}  // namespace

Result<ReplayLog> LoadReplayLog(const std::string& path, const CountryTable& countries,
                                const std::string& defaultMyCall) {
    std::string text;
    std::string error;
    if (!ReadFileText(path, text, error)) {
        return Result<ReplayLog>::Failure(error);
    }
    return IsCabrilloText(text) ? LoadCabrillo(path, text, countries)
                                : LoadAdif(path, text, countries, defaultMyCall);
}
