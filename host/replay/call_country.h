#pragma once

#include <string>

#include "host/replay/country_table.h"

// The DXCC primary prefix of a callsign ("K", "VE", "DL", ...) as a logging
// program determines it from the country file; empty when nothing matches.
// Letters are compared in upper case.
//
// - A callsign the file lists exactly decides first, slashes and all.
// - Operating suffixes say nothing about the country and are dropped: /P,
//   /M, /QRP, /A, /R, /LH and the mobile-at-sea and in-the-air forms /MM
//   and /AM, which therefore report the country of the base callsign
//   (DL1ABC/MM gives "DL"; the contest treats such calls by their suffix).
// - A single digit after the slash moves the call area: UA3ABC/9 counts as
//   UA9ABC, W1AW/4 as W4AW.
// - Of two remaining parts the shorter one says where the station is, the
//   first one when both are as long: VE3/W1AW and W1AW/VE3 both give "VE".
// - Otherwise the longest prefix in the file that the callsign starts with.
std::string DxccPrefix(const CountryTable& table, const std::string& call);
