#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/simulator/options.h"

// Fills the module's Cabrillo header dialog with the operator's values: an
// entry of a drop-down list is picked when one matches, anything else is
// typed into the field. A SOAPBOX value's "\n" starts a new line.
void AnswerHeaderDialog(HWND dialog, const std::vector<HeaderEntry>& entries);

// The header dialog's field id for a label, 0 for none.
int HeaderFieldId(const std::string& label);
