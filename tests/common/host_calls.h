#pragma once

#include <string>

#include "platform/ole_date_time.h"

// Calls of the module's exports with the host's full argument lists. The
// positions the module does not use carry arbitrary values.

// An OLE date of a calendar date and time of day.
platform::COleDateTime OleDate(int year, int month, int day, int hour = 0, int minute = 0,
                               int second = 0);

struct QsoArgs {
    const char* myCall = "W1AW";
    const char* call = "K1ABC";
    platform::COleDateTime time = OleDate(2013, 12, 14, 0, 12);
    bool nullTime = false;  // pass no date-time at all
    unsigned int freqHz = 28012000;
    const char* mode = "CW";
    const char* rstSent = "599";
    const char* rstRcvd = "599";
    const char* exchSent = "MA";
    const char* exchRcvd = "CT";
    const char* prefix = "K";
    const char* band = "10m";
};

// A 10 m QSO of the defaults with the given station and exchange.
QsoArgs MakeQso(const char* call, const char* mode, const char* prefix, const char* exchRcvd);

int AddAsHost(const QsoArgs& qso);
int RemoveAsHost(const QsoArgs& qso);
int ResetAsHost(int reportMode = 0, const char* myCall = "W1AW",
                platform::COleDateTime date1 = OleDate(2013, 12, 14));
// The same with the host's own pointers, which may be null.
int ResetAsHostWithDates(int reportMode, const char* myCall, platform::COleDateTime* date1,
                         platform::COleDateTime* date2);
std::string ResultAsHost(int* resultFlag = nullptr);
int CheckAsHost(const char* call, const char* mode, const char* prefix, const char* band,
                const char* refBand);
