#pragma once

namespace reports {

// The Cabrillo log's own texts: the shared header settings, the file's
// lines and the messages the operator sees.

// The settings file shared with the host's other contest modules.
inline constexpr char kHeaderIniName[] = "Plugins\\WENDA.ini";
inline constexpr char kHeaderIniSection[] = "Settings";
// The base name of the log when the callsign leaves nothing.
inline constexpr char kDefaultFileName[] = "WENDA";
inline constexpr char kLogExtension[] = ".cbr";
// Added to a file's name while it is being written.
inline constexpr char kTemporarySuffix[] = ".tmp";

// The soapbox as one line of the settings file, and as lines of the log.
inline constexpr char kEscapedCr[] = "<CR>";
inline constexpr char kEscapedLf[] = "<LF>";
inline constexpr char kSoapBoxLineBreak[] = "\r\nSOAPBOX: ";

// What WriteLog tells the operator.
inline constexpr char kFileProduced[] = "File produced: ";
inline constexpr char kFileNotProduced[] = "File not produced: ";

// The QSO line: its tag, then frequency, mode, date and time (as
// "2023-12-09 0006"), own callsign, report and exchange sent, callsign
// worked, report and exchange received, in columns. The reports are
// constant: in CW and in the other modes.
inline constexpr char kQsoTag[] = "QSO: ";
inline constexpr char kQsoReportCw[] = "599 ";
inline constexpr char kQsoReportPhone[] = "59  ";
inline constexpr char kEndOfLog[] = "END-OF-LOG:\r\n";

inline constexpr char kCreatedBy[] = "CREATED-BY: Vexo ";

}  // namespace reports
