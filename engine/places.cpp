#include "engine/places.h"

#include <unordered_map>

namespace engine {

namespace {

using PlaceIndex = std::unordered_map<std::string_view, const Place*>;

PlaceIndex IndexPlaces() {
    PlaceIndex index;
    for (const Place& place : kPlaces) {
        index.emplace(place.code, &place);
        ForEachName(place.alsoSent, [&](const char* name) { index.emplace(name, &place); });
    }
    return index;
}

// Looked up for every QSO the intake stores. Built as the module loads: a
// table built at its first use would make the host thread that comes first
// enter the runtime's thread-safe initialisation, which keeps a record of
// that thread for good.
const PlaceIndex g_PlacesByName = IndexPlaces();

}  // namespace

const Place* PlaceNamed(std::string_view name) {
    const auto found = g_PlacesByName.find(name);
    return found == g_PlacesByName.end() ? nullptr : found->second;
}

}  // namespace engine
