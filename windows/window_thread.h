#pragma once

class Setup_ARRL_10m;

// The status windows' thread: it runs the control dialog modally, and with it
// the refresh and the two status windows. The host's thread starts it, wakes
// its refresh and closes it, always through posted messages, so that neither
// thread ever waits for the other inside a window or COM call.

// The running control dialog; null while its window does not exist. Read it
// only through the functions below (they hold the lock that guards it).
extern Setup_ARRL_10m* g_pSetupDlg;

// Starts the thread unless one runs; false when it could not be created.
bool StartWindowThread();
// Whether a window thread has been started and has not finished its dialog.
bool WindowThreadRunning();
// Restarts the dialog's refresh timer for the call-check delay; nothing when
// the dialog is not open.
void ArmCallCheckRefresh();
// Closes the State/Province window, the DXCC window and the control dialog,
// in that order, and waits (a few seconds at most) until the thread has
// finished its dialog, handling this thread's messages meanwhile.
void CloseWindowThread();

// The dialog publishes itself once its window exists, and withdraws before
// its window is destroyed.
void PublishSetupDialog(Setup_ARRL_10m* dialog);
void WithdrawSetupDialog(Setup_ARRL_10m* dialog);
