#pragma once

namespace engine {

// Every key of the module's settings file (settings.h: "Plugins\ARRL-10M_CW_SSB.ini",
// section "Settings"), one constant each, with who writes it and who reads
// it. Stored files rely on these names: they never change. The shared
// Cabrillo header file's keys are in one table of their own, kSharedKeys in
// reports/cabrillo_header.cpp.

// Whether the next scoring pass leaves the status windows closed: written by
// every reset and by a report pass's reset (exports/contest_reset.cpp),
// read by every reset.
inline constexpr char kStartKey[] = "Start";
// The score of the last summary: written by every summary
// (reports/score_summary.cpp); read by no one of the module's.
inline constexpr char kClaimedKey[] = "Claimed";

// The operator's choice of mode, one flag each, and the mode as the host
// names it: written by the control dialog's mode boxes; the flags read as
// the dialog opens and as a box is clicked (windows/setup_dialog.cpp).
inline constexpr char kKeyModeCw[] = "setup_mode_cw";
inline constexpr char kKeyModeSsb[] = "setup_mode_ssb";
inline constexpr char kKeyMode[] = "Mode";
// The status windows the operator wants: written by the control dialog's view
// boxes (windows/setup_dialog.cpp) and by the refresh as it opens a window
// (windows/refresh_adapters.cpp); read as the control dialog opens. The
// DXCC window's flag is written with these capitals and read in any case:
// names match without regard to case.
inline constexpr char kKeyViewState[] = "setup_view_state";
inline constexpr char kKeyViewDxcc[] = "setup_view_DXCC";
// Set as the refresh opens the DXCC window (windows/refresh_adapters.cpp);
// read by no one of the module's.
inline constexpr char kKeyViewMultiplier[] = "setup_view_multiplier";

// Where each window stands: written as the operator moves it and read as it
// opens (windows/window_placement.cpp, windows/window_position.cpp).
inline constexpr char kKeySetupX[] = "setup_arrl_x";
inline constexpr char kKeySetupY[] = "setup_arrl_y";
inline constexpr char kKeyStatX[] = "stat_x";
inline constexpr char kKeyStatY[] = "stat_y";
inline constexpr char kKeyDxccX[] = "dxcc_x";
inline constexpr char kKeyDxccY[] = "dxcc_y";

}  // namespace engine
