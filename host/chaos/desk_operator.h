#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/chaos/chaos_random.h"
#include "host/chaos/chaos_run.h"

// The operator at the screen: works every window and dialog of the module at
// random (clicks on buttons and boxes, closes, moves, keys, text, the
// pointer passing), and answers each dialog or message box that the module
// shows on a host thread within a short while, as the host's call waits for
// it. Never blocks on a window: it posts, or sends with a timeout.
class DeskOperator {
public:
    // `onHostThread` tells the host's threads, whose dialogs are modal.
    DeskOperator(ChaosRun& run, std::function<bool(DWORD thread)> onHostThread)
        : m_Run(run), m_OnHostThread(std::move(onHostThread)) {}

    // Closes the module's dialogs that have waited on a host thread longer
    // than their time, after perhaps typing into them.
    void AnswerDialogs(ChaosRandom& random);

    void Click(ChaosRandom& random);
    void Close(ChaosRandom& random);
    void Move(ChaosRandom& random);
    void Key(ChaosRandom& random);
    void Type(ChaosRandom& random);
    void Point(ChaosRandom& random);

private:
    // A visible top-level window of this process, or null.
    HWND AnyWindow(ChaosRandom& random) const;
    // A visible child of the window of this class ("Button", "Edit"...), or null.
    static HWND AnyChild(HWND window, const char* className, ChaosRandom& random);
    void Answer(HWND dialog, DWORD lateMs, ChaosRandom& random);

    ChaosRun& m_Run;
    std::function<bool(DWORD)> m_OnHostThread;
    std::map<HWND, DWORD> m_Waiting;  // host threads' dialogs: when each is to be answered
    std::set<HWND> m_Stuck;           // those that stayed open, told once
};

// The visible top-level windows of this process.
std::vector<HWND> ProcessWindows();
// A window's title, read without a message to the window (its thread may be
// stuck), non-ASCII letters as '?'.
std::string TitleOf(HWND window);
