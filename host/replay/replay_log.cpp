#include "host/replay/replay_log.h"

#include "host/replay/adif_reader.h"
#include "host/replay/qso_mapping.h"

Result<std::vector<HostQso>> LoadReplayLog(const std::string& adifPath,
                                           const CountryTable& countries,
                                           const std::string& defaultMyCall) {
    using LogResult = Result<std::vector<HostQso>>;
    const Result<AdifLog> log = ReadAdifFile(adifPath);
    if (!log.Ok()) {
        return LogResult::Failure(log.Error());
    }
    std::vector<HostQso> qsos;
    qsos.reserve(log.Value().records.size());
    for (const AdifRecord& record : log.Value().records) {
        Result<HostQso> qso = MapAdifRecord(record, countries, defaultMyCall);
        if (!qso.Ok()) {
            return LogResult::Failure(FileError(adifPath, qso.Error()));
        }
        qsos.push_back(std::move(qso.Value()));
    }
    return LogResult::Success(std::move(qsos));
}
