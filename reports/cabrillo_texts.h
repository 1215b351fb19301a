#pragma once

// The Cabrillo log's own texts: the shared header settings, the file's
// lines and the messages the operator sees.

// The settings file shared with the host's other contest modules.
inline constexpr char kHeaderIniName[] = "Plugins\\WENDA.ini";
inline constexpr char kHeaderIniSection[] = "Settings";
// The base name of the log when the callsign leaves nothing.
inline constexpr char kDefaultFileName[] = "WENDA";
inline constexpr char kLogExtension[] = ".cbr";
// Added to the log's name while it is being written.
inline constexpr char kTemporarySuffix[] = ".tmp";

// The soapbox as one line of the settings file, and as lines of the log.
inline constexpr char kEscapedCr[] = "<CR>";
inline constexpr char kEscapedLf[] = "<LF>";
inline constexpr char kSoapBoxLineBreak[] = "\r\nSOAPBOX: ";

// What WriteLog tells the operator.
inline constexpr char kFileProduced[] = "File produced: ";
inline constexpr char kFileNotProduced[] = "File not produced: ";

// The QSO line, with the constant reports of CW and of the other modes.
inline constexpr char kQsoLineCw[] = "QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n";
inline constexpr char kQsoLinePhone[] = "QSO: %5i %2s %s %-13s 59  %-5s  %-12s  59  %s\r\n";
inline constexpr char kCabrilloTimeFormat[] = "%Y-%m-%d %H%M";

inline constexpr char kCreatedBy[] = "CREATED-BY: Vexo ";
