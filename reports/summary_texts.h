#pragma once

namespace reports {

// The pieces of the score summary text, as the host shows it.

inline constexpr char kSummaryTitle[] =
    "\t\tARRL 10 Meter Contest %s \r\n\t\t  Contestant: %s\r\n"
    "Band\tQSOs\tPoints\tDXCC State/Prov\t K \tVE\r\n";
inline constexpr char kSummaryBandRow[] = "%s\t %i\t %i\t\t\t %i\t %i\r\n";
inline constexpr char kSummaryTotals[] =
    "Total\t %i\t %i\t %i\t %i\t %i\t %i\r\nScore = %i *( %i + %i) = %i \r\n";
// The last piece outside report mode; no line end of its own.
inline constexpr char kSummaryCredit[] =
    "Scored by the ARRL-10M_CW_SSB module " ARRL_MODULE_VERSION;

inline constexpr char kOutputCaption[] = "Output";

}  // namespace reports
