#pragma once

#include <string>

// A property that failed ends the fuzz run with its description; libFuzzer
// then keeps the input that broke it.
[[noreturn]] void Fail(const std::string& what);

inline void Require(bool holds, const char* what) {
    if (!holds) {
        Fail(what);
    }
}

// A working directory of the fuzzer's own, with a "Plugins" folder, entered
// once and removed at exit; ClearFuzzDirectory() empties it between inputs.
void EnterFuzzDirectory();
void ClearFuzzDirectory();

// The whole file as bytes; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
void WriteWholeFile(const std::string& path, const std::string& bytes);
