#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

// PumpMessagesUntil, PumpMessagesFor: a thread that waits for another
// thread's window this way still serves the COM calls and sent messages that
// come to it.
#include "host/simulator/desktop_driver.h"

// Driving the module's windows from a test, as an operator would.

// The first visible top-level window of this process with the class name
// (and the title, when given) that appears within the timeout; null if none.
HWND WaitForTopWindow(const char* className, const char* title, DWORD timeoutMs);
// The same without waiting: such a window as things stand, or null.
HWND FindTopWindow(const char* className, const char* title);

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);

// Presses a dialog's button the way a click does, without waiting for the
// dialog's thread.
void PressButton(HWND dialog, int id);

// What a watcher saw of a message box before it closed it with OK.
struct MessageBoxSeen {
    bool found = false;
    std::string title;
    std::string text;
    int buttons = 0;
    bool hasInformationIcon = false;
};

// Waits for a message box of this process, records it and closes it with OK;
// sets *pressing just before the press, when given.
MessageBoxSeen CloseNextMessageBox(DWORD timeoutMs = 10000, std::atomic<bool>* pressing = nullptr);

// Sends a message to a window of another thread and handles this thread's
// messages until it has been handled (so that the other thread may call this
// one meanwhile); the message's result. A window of this thread gets it directly.
LRESULT SendAndPump(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Clicks a dialog's button or check box as the mouse does (BM_CLICK), and
// returns when the dialog has handled the click.
void ClickAndPump(HWND dialog, int id);
// Runs the function on a thread of its own and handles this thread's
// messages until it has returned.
void RunOnOtherThread(const std::function<void()>& body);
