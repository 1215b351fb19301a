#pragma once

#include <string>

#include "platform/ole_date_time.h"

// A text argument as the host passes it: a string, or a null pointer.
struct ArgText {
    bool null = false;
    std::string text;

    ArgText() = default;
    ArgText(const char* value) : null(value == nullptr), text(value ? value : "") {}
    ArgText(std::string value) : text(std::move(value)) {}
    const char* Get() const { return null ? nullptr : text.c_str(); }
    // What the module reads: a null pointer reads as the empty string.
    const std::string& Read() const { return text; }
};

// The QSO's date-time argument: a value, or a null pointer. The key names the
// moment to the second as a log keeps it ("s<status>" for a value that is not
// valid or is missing, "out" for a valid value that no calendar date
// represents, else the second's number), so that the removal of a QSO can be
// modelled without the module's calendar code.
struct TimeArg {
    bool null = false;
    platform::COleDateTime value;
    std::string key;

    const platform::COleDateTime* Get() const { return null ? nullptr : &value; }
};

// The used positions of AddData0's and RemoveData0's argument list.
struct ChaosQso {
    ArgText myCall;
    ArgText call;
    TimeArg time;
    unsigned int freqHz = 0;
    ArgText mode;
    ArgText rstSent;
    ArgText rstRcvd;
    ArgText exchSent;
    ArgText exchRcvd;
    ArgText prefix;
    ArgText band;
};
