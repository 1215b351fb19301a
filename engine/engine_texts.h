#pragma once

namespace engine {

// The engine's own texts, as the host and the operator read them.

inline constexpr char kSetName[] = "ARRL 10 Meter Contest (C)";
inline constexpr char kNoSetupText[] = "No additional setup for this contest";

inline constexpr char kContestBand[] = "10m";
inline constexpr char kModeCw[] = "CW";
inline constexpr char kModeSsb[] = "SSB";

// The error list and the tails of its lines.
inline constexpr char kErrorFileName[] = "err.txt";
inline constexpr char kTailIncomplete[] = "   Not full control number recieved !!!";
inline constexpr char kTailNoContestMode[] = "   NO CONTEST MODE !!!";
inline constexpr char kTailBadCode[] = "  Code State/Province is not acceptable !!!";

// Date formats of the error list, the summary title and the band rows.
inline constexpr char kQsoTimeFormat[] = "%Y-%m-%d %H%M";
inline constexpr char kYearFormat[] = "%Y";
inline constexpr char kRowTimeFormat[] = "%H:%M";

}  // namespace engine
