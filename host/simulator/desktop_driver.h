#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Working the module's windows as the operator does, from the host's thread,
// which must keep handling messages while it waits: the module's window
// thread calls the host's automation object, which lives on this thread.

void PumpMessagesFor(DWORD milliseconds);
// True when the condition came true before the timeout.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

std::string WindowTitle(HWND window);
// A visible top-level dialog of this process whose title passes the test;
// null when there is none.
HWND FindDialog(const std::function<bool(const std::string&)>& titleTest);
HWND FindDialogTitled(const std::string& title);
// Without waiting and without handling messages: for helper threads.
HWND WaitForDialogTitled(const std::string& title, DWORD timeoutMs);

// Clicks a dialog's button or check box without waiting for its thread.
void PostClick(HWND dialog, int id);
