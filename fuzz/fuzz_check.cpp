#include "fuzz/fuzz_check.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

void Fail(const std::string& what) {
    std::fprintf(stderr, "property failed: %s\n", what.c_str());
    std::abort();
}

namespace {

fs::path g_FuzzDirectory;

void RemoveFuzzDirectory() {
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(g_FuzzDirectory, ignored);
}

}  // namespace

void EnterFuzzDirectory() {
    g_FuzzDirectory = fs::temp_directory_path() / ("arrl-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(g_FuzzDirectory / "Plugins");
    fs::current_path(g_FuzzDirectory);
    std::atexit(RemoveFuzzDirectory);
}

void ClearFuzzDirectory() {
    for (const fs::directory_entry& entry : fs::directory_iterator(".")) {
        if (entry.path().filename() == "Plugins") {
            for (const fs::directory_entry& setting : fs::directory_iterator(entry.path())) {
                fs::remove_all(setting.path());
            }
        } else {
            fs::remove_all(entry.path());
        }
    }
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    bytes = content.str();
    return true;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
