#pragma once

#include <string>

#include "host/replay/result.h"

// Reads a whole file as bytes. False, with the reason in `error`, when the
// file cannot be opened or read.
bool ReadFileText(const std::string& path, std::string& text, std::string& error);

// A whole file read by `parse`, a function of its text that gives a
// Result<T>. Its errors, and a file that cannot be read, name the file.
template <typename T, typename Parse>
Result<T> ParseFile(const std::string& path, Parse parse) {
    std::string text;
    std::string error;
    if (!ReadFileText(path, text, error)) {
        return Result<T>::Failure(error);
    }
    Result<T> parsed = parse(text);
    if (!parsed.Ok()) {
        return Result<T>::Failure(FileError(path, parsed.Error()));
    }
    return parsed;
}
