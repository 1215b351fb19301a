#pragma once

class Setup_ARRL_10m;

// The status windows' thread: it runs the control dialog modally, and with it
// the refresh and the two status windows. The host's thread starts it, wakes
// its refresh and closes it, always through posted messages, so that neither
// thread ever waits for the other inside a window or COM call.

// The running control dialog; null while its window does not exist. Read it
// only through the functions below (they hold the lock that guards it).
extern Setup_ARRL_10m* g_pSetupDlg;

// The exit code of a window thread that an unload had to stop because it
// stayed inside a call out of the module past the unload's bound.
constexpr unsigned long kStoppedThreadExitCode = 0xDEAD0001UL;

// Starts a thread for the control dialog and returns once its start-up is
// over (the dialog exists, the host link is made), or after a few seconds at
// most, handling this thread's messages meanwhile: the start-up calls the
// host's object, which may live on this thread. Starts none while a dialog
// exists or another thread's is starting. False when no thread could be
// created. Call while holding none of the module's locks.
bool StartWindowThread();
// Whether the control dialog exists.
bool WindowThreadRunning();
// Restarts the dialog's refresh timer for this delay, as a call check does;
// nothing when the dialog is not open.
void ArmCallCheckRefresh(unsigned milliseconds);
// The unload's close: closes the status windows and the control dialog and
// waits, a few seconds at most, until every window thread has finished; a
// thread still inside a call out of the module then is stopped, so that no
// thread ever returns into the module once it is unmapped. Runs under the
// loader lock: it handles no messages and makes no COM call, and from its
// start no new call goes to the host.
void CloseWindowThread();

// The dialog publishes itself once its window exists, tells when its
// start-up is over, and withdraws before its window is destroyed.
void PublishSetupDialog(Setup_ARRL_10m* dialog);
void WindowThreadStarted();
void WithdrawSetupDialog(Setup_ARRL_10m* dialog);
