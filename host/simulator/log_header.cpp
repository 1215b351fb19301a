#include "host/simulator/log_header.h"

#include <algorithm>

namespace {

const char kEmailTag[] = "EMAIL";
const char kEmailField[] = "E-MAIL";
const char kClaimedField[] = "CLAIMED";  // the module's own score, never the log's

// The dialog field of a tag; empty when the dialog has none.
std::string FieldOfTag(const std::string& tag) {
    if (tag == kEmailTag) {
        return kEmailField;
    }
    const std::vector<std::string>& fields = HeaderFieldNames();
    const bool known = std::find(fields.begin(), fields.end(), tag) != fields.end();
    return known && tag != kClaimedField ? tag : std::string();
}

// What joins a field's values when the log has several lines of it; null
// when the last line stands alone.
const char* JoinOf(const std::string& field) {
    if (field == "ADDRESS") {
        return ", ";
    }
    return field == "SOAPBOX" ? "\\n" : nullptr;
}

}  // namespace

std::vector<HeaderEntry> HeaderFromLog(const std::vector<CabrilloLine>& header) {
    std::vector<HeaderEntry> entries;
    for (const CabrilloLine& line : header) {
        const std::string field = FieldOfTag(line.tag);
        if (field.empty()) {
            continue;
        }
        auto known = std::find_if(entries.begin(), entries.end(),
                                  [&](const HeaderEntry& e) { return e.field == field; });
        if (known == entries.end()) {
            entries.push_back({field, line.value});
        } else if (const char* join = JoinOf(field)) {
            known->value += join + line.value;
        } else {
            known->value = line.value;
        }
    }
    return entries;
}
