#include "tests/common/scratch_dir.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        std::ostringstream name;
        name << "arrl-test-" << stamp << "-" << counter++;
        const fs::path dir = fs::temp_directory_path() / name.str();
        if (fs::create_directory(dir)) {
            m_Path = dir.string();
            break;
        }
    }
    fs::create_directory(fs::path(m_Path) / "Plugins");
    m_Previous = fs::current_path().string();
    fs::current_path(m_Path);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::current_path(m_Previous, ignored);
    fs::remove_all(m_Path, ignored);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool FileExists(const std::string& path) {
    return fs::exists(path);
}
