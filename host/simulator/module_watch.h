#pragma once

#include <windows.h>

#include <ostream>

// Watching the module as a careful host does: a crash anywhere in the
// process ends it with a plain message and its own exit code, and the unload
// must come back and leave none of the module's threads running.

// Exit codes of the watch, beside the host simulator's own.
constexpr int kExitCrash = 5;   // the process crashed
constexpr int kExitUnload = 6;  // FreeLibrary did not come back, or left a thread running

// From now on an unhandled exception in any thread writes one line to the
// standard error (naming the module when the address lies in its image, or
// where its image was) and ends the process with kExitCrash.
void ReportCrashes();
// Notes the module's image for the crash report.
void NoteModuleImage(HMODULE module);

// FreeLibrary, watched: if it does not come back within a few seconds the
// process ends with a message and kExitUnload; kExitUnload too, with a
// message, when a thread that started in the module still runs shortly
// afterwards (handling messages meanwhile, as the host's message loop does);
// else 0.
int UnloadWatched(HMODULE module, std::ostream& err);
