#include "host/chaos/settings_damage.h"

#include <windows.h>

#include <string>

namespace {

const char* const kFiles[] = {"Plugins\\ARRL-10M_CW_SSB.ini", "Plugins\\WENDA.ini", "err.txt"};

// Puts the file back to a plain, writable file (or none), whatever an
// earlier damage left.
void Clear(const char* path) {
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path);
    RemoveDirectoryA(path);
}

void Write(const char* path, const std::string& bytes) {
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
}

std::string Noise(ChaosRandom& random, std::size_t size) {
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random.Next());
    }
    return bytes;
}

std::string Absurd(ChaosRandom& random) {
    const char* const keys[] = {
        "Start",           "setup_arrl_x", "setup_arrl_y",  "stat_x",         "stat_y",
        "dxcc_x",          "dxcc_y",       "setup_mode_cw", "setup_mode_ssb", "setup_view_state",
        "setup_view_DXCC", "Mode",         "Claimed",       "Call",           "Name"};
    const char* const values[] = {"99999999999999999999",
                                  "-2147483649",
                                  "2147483647",
                                  "-32768",
                                  "0x7FFF",
                                  "  -0012abc",
                                  "",
                                  "1e9",
                                  "\"1\"",
                                  "NaN",
                                  "-1"};
    std::string text = "[Settings]\r\n";
    for (int i = 0; i < 12; ++i) {
        text += std::string(random.PickFrom(keys)) + "=" + random.PickFrom(values) + "\r\n";
    }
    return text;
}

}  // namespace

const char* DamageName(Damage damage) {
    const char* const names[] = {"cut short", "noise",   "huge",    "absurd numbers",
                                 "read-only", "missing", "a folder"};
    return names[static_cast<int>(damage)];
}

void DamageFile(const char* path, Damage damage, ChaosRandom& random) {
    const std::string old = [&] {
        HANDLE file =
            CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        std::string bytes(4096, '\0');
        DWORD read = 0;
        if (file != INVALID_HANDLE_VALUE) {
            ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
            CloseHandle(file);
        }
        bytes.resize(read);
        return bytes;
    }();
    Clear(path);
    switch (damage) {
        case Damage::kCutShort:
            Write(path, old.substr(0, random.Below(static_cast<uint32_t>(old.size()))));
            break;
        case Damage::kNoise:
            Write(path, Noise(random, random.Between(1, 5000)));
            break;
        case Damage::kHuge:
            // Values stay below 32,767 characters: Wine's profile functions
            // fault on longer ones (a fault of Wine's, not the module's).
            Write(path, "[Settings]\r\nsetup_arrl_x=" + std::string(30000, '7') + "\r\n" +
                            std::string(30000, 'A') + "\r\n[" + std::string(20000, 'S') + "]\r\n");
            break;
        case Damage::kAbsurd:
            Write(path, Absurd(random));
            break;
        case Damage::kReadOnly:
            Write(path, old.empty() ? Absurd(random) : old);
            SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY);
            break;
        case Damage::kMissing:
            break;
        case Damage::kFolder:
            CreateDirectoryA(path, nullptr);
            break;
    }
}

void DamageSettings(ChaosRandom& random, ChaosRun& run) {
    const char* path = random.PickFrom(kFiles);
    const auto damage = static_cast<Damage>(random.Below(kDamages));
    DamageFile(path, damage, random);
    run.Log(std::string("damaged ") + path + ": " + DamageName(damage));
}
