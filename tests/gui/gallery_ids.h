// Identifiers of the test-only control gallery dialog.
#pragma once

#define IDD_GALLERY 900

#define IDC_BUTTON_IDLE 1101
#define IDC_BUTTON_DISABLED 1102
#define IDC_BUTTON_LEFT 1103
#define IDC_BUTTON_EMPTY 1104
#define IDC_BUTTON_HOVER 1105
#define IDC_BUTTON_PRESSED 1106

#define IDC_LINE_RIGHT 1201
#define IDC_LINE_LEFT 1202
#define IDC_LINE_CENTRE 1203
#define IDC_LINE_EMPTY 1204
#define IDC_LINE_UP 1205
#define IDC_LINE_DOWN 1206
#define IDC_LINE_LONG 1207

#define IDC_LOGO 1301

#define IDC_COMBO 1401
#define IDC_EDIT 1402

// A top-level dialog for the modal run; it ends before it is ever shown.
#define IDD_PROBE 901
#define IDC_PROBE_EDIT 1501
