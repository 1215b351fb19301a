#include "windows/band_names.h"

#include "engine/log_store.h"

std::vector<std::string> g_BandNames;

void FillBandNames() {
    g_BandNames.assign(kBandNames, kBandNames + kBandCount);
}
