#pragma once

// The test dialog of the dialog framework's tests, shared by its .rc file and the tests.
#define IDD_FRAMEWORK_TEST 900
#define IDC_TEST_CHECK 901
#define IDC_TEST_EDIT 902
#define IDC_TEST_COMBO 903
#define IDC_TEST_OWNER_DRAW 904
#define IDC_TEST_PUSH 905
