#pragma once

#include <cstdint>

namespace windows {

// The position that the last of the module's windows loaded or saved, shared
// by the three of them: a window writes its keys only where its place differs
// from this one. The window thread's only.
struct WindowPosition {
    // Reads a window's position from its keys; a missing or 0 value takes
    // the default.
    void Load(const char* keyX, const char* keyY, int32_t defaultX, int32_t defaultY);
    // Writes the window's left and top under its keys where they differ from
    // the position held.
    void Save(int32_t left, int32_t top, const char* keyX, const char* keyY);

    int32_t m_SetupX = 0;
    int32_t m_SetupY = 0;
};

}  // namespace windows
