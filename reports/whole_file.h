#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace reports {

// Writes a file of the report pass whole: under a temporary name beside its
// place, put in that place only once every byte is written and the file
// closed. A disk that fills up leaves the earlier file as it was, and no cut
// file behind. False when the file is not in place; a name that Windows
// gives a device in every folder is never opened.
bool WriteWholeFile(const std::string& folder, const std::string& name,
                    std::initializer_list<std::string_view> pieces);

}  // namespace reports
