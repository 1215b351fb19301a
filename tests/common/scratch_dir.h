#pragma once

#include <string>

// A fresh, empty working directory with a "Plugins" folder, as the host's
// directory looks. The test runs inside it; it is removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return m_Path; }

private:
    std::string m_Previous;
    std::string m_Path;
};

// The whole file as bytes; empty when it does not exist.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
