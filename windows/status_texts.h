#pragma once

namespace windows {

// The status windows' own texts: host macros, the host's names and the
// status button's table header. Their settings keys: engine/settings_keys.h.

// Macros sent to the host when a mode is chosen.
inline constexpr char kMacroModeCw[] = "<MODE:CW>";
inline constexpr char kMacroBaudRate[] = "<BAUDRATE:27>";
inline constexpr char kMacroModeSsb[] = "<MODE:SSB>";

// The host's automation object.
inline constexpr char kHostProgId[] = "Vexo2.Application";
// The name every host program file carries, for the Cabrillo log's CREATED-BY
// version.
inline constexpr char kHostProgramMark[] = "Vexo";
inline constexpr char kHostProgramPattern[] = "*.exe";

// The status button's worked-with table.
inline constexpr char kHeaderBand[] = "Band";
inline constexpr char kHeaderCw[] = "CW";
inline constexpr char kHeaderSsb[] = "SSB";
inline constexpr char kHeaderStateProv[] = "State/Prov";

// The refresh: the macro it sends when the frequency moves, the captions it
// sets and the empty band-row cell.
inline constexpr char kMacroSp1[] = "<SP1>";
inline constexpr char kCaptionWorkedWith[] = " ARRL 10M worked with ";
inline constexpr char kCaptionDxcc[] = "ARRL 10M %s DXCC worked %s %i of 338";
inline constexpr char kCaptionStatProv[] = "ARRL 10M %s %s State/Province ";
inline constexpr char kEmptyRowCell[] = "   -";

// The status button's window text, which a screen reader reads as its name:
// what each view shows, said in words.
inline constexpr char kSayDxcc[] = "DXCC worked %s, %i of 338";
inline constexpr char kSayNotWorked[] = "not worked";
inline constexpr char kSayNoTime[] = "none";

}  // namespace windows
