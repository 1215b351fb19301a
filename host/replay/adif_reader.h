#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/replay/result.h"

// One ADIF record: its fields by upper-case name, and the line on which its
// first field starts (1-based), so that a later complaint can point at it.
struct AdifRecord {
    int line = 0;
    std::map<std::string, std::string> fields;

    // The value of a field, or null when the record does not carry it.
    const std::string* Find(const std::string& upperCaseName) const;
};

struct AdifLog {
    std::map<std::string, std::string> header;  // fields before <EOH>
    std::vector<AdifRecord> records;
};

// Reads ADIF text: an optional header ending in <EOH>, then records of
// <NAME:LENGTH[:TYPE]>value fields, each record ending in <EOR>. Names match
// without regard to case; lengths count bytes, so values may span lines; text
// between fields is ignored, and so is an <EOR> with no fields before it. A
// field that appears twice in one record keeps its last value. A malformed field tag, a
// value running past the end of the text or a last record without <EOR> is an error naming the
// line.
Result<AdifLog> ParseAdif(const std::string& text);

// The same for a file; a file that cannot be read is an error too.
Result<AdifLog> ReadAdifFile(const std::string& path);
