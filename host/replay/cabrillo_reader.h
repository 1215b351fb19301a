#pragma once

#include <string>
#include <vector>

#include "host/replay/result.h"

// One tagged line of a Cabrillo log: the tag in upper case without its
// colon, the value after it with the white space around it removed, and the
// line's number (1-based).
struct CabrilloLine {
    int line = 0;
    std::string tag;
    std::string value;
};

struct CabrilloLog {
    std::vector<CabrilloLine> header;  // every tagged line but QSO lines, in file order
    std::vector<CabrilloLine> qsos;    // the QSO lines, in file order
};

// Whether a text is a Cabrillo log: the first line that holds anything
// starts with the tag START-OF-LOG (in any case, after any white space).
bool IsCabrilloText(const std::string& text);

// Reads Cabrillo text from START-OF-LOG to END-OF-LOG (or the end of the
// text): lines end in LF or CR LF; a line without a tag (no colon before
// its first blank) is skipped; X-QSO lines, which a log keeps but does not
// score, count as header lines. A text that does not start with START-OF-LOG
// is an error.
Result<CabrilloLog> ParseCabrillo(const std::string& text);
