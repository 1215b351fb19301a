#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/replay/result.h"

// The standard country file (cty.dat): per DXCC entity its primary prefix,
// the prefixes its callsigns start with and the exact callsigns listed for
// it. Zone, position and continent overrides in brackets are dropped: only
// the country matters here. Entities marked WAE-only ("*IT9", "*GM/s",
// "*4U1V", ...) are left out, so that their callsigns fall to the DXCC
// entity they belong to (IT9 to Italy's "I", the Vienna centre's calls to
// "OE"), as DXCC multipliers count them. Where two entities list the same
// prefix or call, the first one in the file keeps it.
class CountryTable {
public:
    static Result<CountryTable> Parse(const std::string& text);
    // A missing or unreadable file, or one without any entity, is an error.
    static Result<CountryTable> Load(const std::string& path);

    // The primary prefix of the entity that lists exactly this callsign, or null.
    const std::string* ExactCall(const std::string& call) const;
    // The primary prefix of the entity with the longest listed prefix that
    // `call` starts with, or null when none does.
    const std::string* LongestPrefix(const std::string& call) const;

    std::size_t EntityCount() const { return m_Primaries.size(); }

private:
    bool AddEntity(const std::string& entity, int line, std::string& error);
    void AddAlias(std::string alias, std::size_t entity);

    std::vector<std::string> m_Primaries;
    std::unordered_map<std::string, std::size_t> m_ExactCalls;
    std::unordered_map<std::string, std::size_t> m_Prefixes;
    std::size_t m_LongestPrefix = 0;
};

// Where Debian's hamradio-files package puts the country file.
inline constexpr char kDebianCountryFile[] = "/usr/share/hamradio-files/cty.dat";
