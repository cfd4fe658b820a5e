// Resource numbers of the widget tests' own resources (widgets_test.rc), clear of the program's.
#pragma once

#define IDD_WIDGETS_TEST 900
#define IDC_TEST_BUTTON 1000
#define IDC_TEST_PICTURE 1007

#define IDB_TEST_NORMAL 910
#define IDB_TEST_PRESSED 911
#define IDB_TEST_HOVER 912
#define IDB_TEST_DISABLED 913

#define IDI_TEST_BLACK16 920
#define IDI_TEST_WHITE16 921
#define IDI_TEST_BLACK32 922

#define IDS_TEST_TIP 930
#define IDS_TEST_OTHER_TIP 931
#define IDS_TEST_MISSING 939
