#pragma once

#include <string>

// Frequencies and band names as the host holds them: whole hertz, and names
// such as "160m", "10m", "70cm" in lower case.

// The hertz of an ADIF FREQ value in megahertz ("28.0255"), rounded to the
// nearest hertz (halves up). False for anything but plain digits with one
// optional decimal point, and for frequencies beyond 32 bits of hertz.
bool MegahertzToHertz(const std::string& text, unsigned int& hertz);

// The amateur band that holds the frequency, empty when none does.
std::string BandOfFrequency(unsigned int hertz);

// The host's name of an ADIF BAND value ("10M" gives "10m").
std::string HostBandName(const std::string& adifBand);
