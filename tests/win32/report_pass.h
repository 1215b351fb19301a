#pragma once

#include <windows.h>

#include <functional>

#include "tests/win32/window_helpers.h"

// A report pass through the DLL with a watcher playing the operator.

// ResetStats0 in report mode while a watcher works the header dialog with
// `operate` and closes it with `button`; false when no dialog came.
bool ResetWithHeaderDialog(const std::function<void(HWND)>& operate, int button,
                           const char* myCall = "W1AW");

// GetResult0 in report mode; what the "Output" box showed before the watcher
// closed it.
MessageBoxSeen ResultWithOutputBox(int* flag);
