// The operator answers a dialog that the module shows on a host thread, as
// the host's call waits for it, and leaves other threads' dialogs to the
// random acts.
#include "host/chaos/desk_operator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// A message box on a thread of its own; how long it stayed open.
class BoxThread {
public:
    BoxThread()
        : m_Thread([this] {
              m_Id = GetCurrentThreadId();
              const DWORD start = GetTickCount();
              MessageBoxA(nullptr, "No additional setup for this contest", nullptr, MB_OK);
              m_OpenMs = GetTickCount() - start;
              m_Closed = true;
          }) {
        while (m_Id == 0) {
            Sleep(1);
        }
    }
    ~BoxThread() { m_Thread.join(); }
    DWORD Id() const { return m_Id; }
    bool Closed() const { return m_Closed; }
    DWORD OpenMs() const { return m_OpenMs; }

private:
    std::atomic<DWORD> m_Id{0};
    std::atomic<bool> m_Closed{false};
    std::atomic<DWORD> m_OpenMs{0};
    std::thread m_Thread;
};

// Lets the operator look at the screen for this long, as its loop does.
void Answer(DeskOperator& desk, DWORD milliseconds) {
    ChaosRandom random(4);
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds;) {
        desk.AnswerDialogs(random);
        Sleep(20);
    }
}

}  // namespace

TEST(DeskOperator, AnswersTheDialogsOfHostThreadsOnly) {
    ChaosRun run;
    BoxThread host;
    BoxThread other;
    DeskOperator desk(run, [&](DWORD thread) { return thread == host.Id(); });
    Answer(desk, 3000);
    EXPECT_TRUE(host.Closed()) << "the host thread's box is still open";
    EXPECT_LT(host.OpenMs(), 2000u) << "answered within the host's bound, with room";
    EXPECT_FALSE(other.Closed()) << "another thread's box was answered";
    DeskOperator anyone(run, [](DWORD) { return true; });
    Answer(anyone, 3000);
    EXPECT_TRUE(other.Closed());
}
