// Every resource id of weighminder, named once. Decimal ids are fixed by the
// file formats of the pictures and the dialog templates.
#pragma once

// Icon and cursor
#define IDI_APP 101
#define IDC_HAND_CURSOR 104

// Board pictures
#define IDB_BOARD 104
#define IDB_BMI_LABEL 150
#define IDB_DATE_COLUMN 151
#define IDB_PLUS_BUTTON 165
#define IDB_MINUS_BUTTON 166
#define IDB_WEEKDAY_SUN 156
#define IDB_WEEKDAY_MON 154
#define IDB_WEEKDAY_TUE 158
#define IDB_WEEKDAY_WED 159
#define IDB_WEEKDAY_THU 157
#define IDB_WEEKDAY_FRI 153
#define IDB_WEEKDAY_SAT 155
#define IDB_FACE_0 152
#define IDB_FACE_1 160
#define IDB_FACE_2 161
#define IDB_FACE_3 162
#define IDB_FACE_4 163
#define IDB_FACE_5 164

// Chalk glyphs: picture and mask
#define IDB_DIGIT_0 116
#define IDB_DIGIT_1 113
#define IDB_DIGIT_2 117
#define IDB_DIGIT_3 118
#define IDB_DIGIT_4 119
#define IDB_DIGIT_5 120
#define IDB_DIGIT_6 121
#define IDB_DIGIT_7 122
#define IDB_DIGIT_8 123
#define IDB_DIGIT_9 124
#define IDB_DIGIT_0_MASK 125
#define IDB_DIGIT_1_MASK 126
#define IDB_DIGIT_2_MASK 127
#define IDB_DIGIT_3_MASK 128
#define IDB_DIGIT_4_MASK 129
#define IDB_DIGIT_5_MASK 130
#define IDB_DIGIT_6_MASK 131
#define IDB_DIGIT_7_MASK 132
#define IDB_DIGIT_8_MASK 136
#define IDB_DIGIT_9_MASK 133
#define IDB_POINT 134
#define IDB_POINT_MASK 135
#define IDB_UNIT 137
#define IDB_UNIT_MASK 138
#define IDB_PLUS 139
#define IDB_PLUS_MASK 140
#define IDB_MINUS 141
#define IDB_MINUS_MASK 142

// Weight entry step arrows
#define IDB_STEP_DOWN 147
#define IDB_STEP_UP 148

// Popup menu and its commands
#define IDM_BOARD_MENU 105
#define ID_CMD_SETTINGS 40002
#define ID_CMD_EXIT 40003
#define ID_CMD_VERSION 40004
#define ID_CMD_WEIGHT_ENTRY 40005
#define ID_CMD_RESET 40006
#define ID_CMD_CSV 40007
#define ID_CMD_DATA_EDIT 40010
#define ID_CMD_TREND 40011
#define ID_CMD_IMPORT 40012

// Version dialog
#define IDD_VERSION 107

// Weight entry dialog
#define IDD_WEIGHT_ENTRY 143
#define IDC_WEIGHT_EDIT 1020
#define IDC_STEP_UP 91 // arrow buttons made at run time
#define IDC_STEP_DOWN 92

// Settings dialog
#define IDD_SETTINGS 106
#define IDC_KEEP_IN_FRONT 1016
#define IDC_PREGNANCY 1017
#define IDC_OVERWEIGHT_LINE 1018
#define IDC_TARGET_WEIGHT 1019
#define IDC_HEIGHT 1020
#define IDC_PERIOD_DATE 1021
#define IDC_UNDERWEIGHT_LINE 1022
#define IDC_IDEAL_GAIN_LINE 1023
#define IDC_ORIGINAL_WEIGHT 1024
#define IDC_PERIOD_CALENDAR 0 // month calendar made at run time

// Data edit dialog
#define IDD_DATA_EDIT 174
#define IDC_DATA_NO 1022
#define IDC_DATA_NEXT 1023
#define IDC_DATA_PREVIOUS 1024
#define IDC_DATA_YEAR 1025
#define IDC_DATA_MONTH 1026
#define IDC_DATA_DAY 1027
#define IDC_DATA_WEIGHT 1028
