// The names of the program's resources: dialog templates (IDD_), their controls (IDC_), the skin's
// PNG images (IDB_) and the icon. The one source of these numbers for the resource scripts, the
// skin build (res/svg/skin.py reads the IDB_ lines and draws an image for each) and the C++.
//
// Control ids are shared between templates in places (1018 is the copyright line of the main
// window and the user name edit of the login dialog); each (template, role) has its own name.
// Plain #defines only: the resource compiler reads this file too.
#pragma once

#define IDI_APP 128

// ---------------------------------------------------------------- dialog templates
#define IDD_MAIN 102
#define IDD_LOGIN 129
#define IDD_SETTINGS 130
#define IDD_INFO_POPUP 131
#define IDD_WIZARD 132
#define IDD_WIZARD_PASSWORD 133
#define IDD_WIZARD_DEVICE_INFO 134
#define IDD_WIZARD_TIME_ZONE 135
#define IDD_WIZARD_NETWORK 136
#define IDD_WIZARD_RAID 137
#define IDD_WIZARD_DRIVE_MAPPING 138
#define IDD_DEVICE_IP 141
#define IDD_FORMAT_PROGRESS 213

// ---------------------------------------------------------------- main window (IDD_MAIN)
#define IDC_SHORTCUT_WIZARD 1000
#define IDC_SHORTCUT_FOLDER 1001
#define IDC_SHORTCUT_PLAY_CENTER 1002
#define IDC_SHORTCUT_MANAGEMENT_CENTER 1003
#define IDC_SHORTCUT_DOWNLOAD_CENTER 1004
#define IDC_SHORTCUT_BACKUP_CENTER 1005
#define IDC_MAIN_NETWORK 1006        // never visible
#define IDC_MAIN_DRIVE_MAPPING 1007  // never visible
#define IDC_SHORTCUT_SURVEILLANCE_CENTER 1008
#define IDC_CONNECT 1009
#define IDC_REFRESH 1010
#define IDC_LOGOUT 1011
#define IDC_SETTINGS 1012
#define IDC_MAIN_HELP 1013
#define IDC_DEVICE_LIST 1014
#define IDC_SELECT_SHORTCUT 1015  // "Select NAS/Short Cut"
#define IDC_AUTO_SORTING 1016
#define IDC_SELECT_NAS_LABEL 1017
#define IDC_MAIN_COPYRIGHT 1018
#define IDC_SHORTCUT_FILE_CENTER 1079
#define IDC_MINIMIZE 1080
#define IDC_CLOSE 1082
#define IDC_MAIN_TITLE 1150
#define IDC_MAIN_WELCOME 1151
#define IDC_MAIN_LOGO 1152
#define IDC_SEARCH_PROGRESS 1154     // shown while a search runs
#define IDC_SEARCH_EXPLANATION 1155  // why a search listed no device
#define IDC_SEARCH_AGAIN 1156        // "Search again", beside the explanation

// ---------------------------------------------------------------- login dialog (IDD_LOGIN)
#define IDC_LOGIN_USER_NAME 1018
#define IDC_LOGIN_PASSWORD 1019
#define IDC_LOGIN_REMEMBER 1020
#define IDC_LOGIN_OK 1021
#define IDC_LOGIN_CANCEL 1022
#define IDC_LOGIN_LOGO 1023
#define IDC_LOGIN_USER_NAME_LABEL 1024
#define IDC_LOGIN_PASSWORD_LABEL 1025
#define IDC_LOGIN_HINT 1026
#define IDC_LOGIN_MODIFY_PASSWORD 1083
#define IDC_LOGIN_OLD_PASSWORD 1084
#define IDC_LOGIN_NEW_PASSWORD 1085
#define IDC_LOGIN_CONFIRM_PASSWORD 1086
#define IDC_LOGIN_OLD_PASSWORD_LABEL 1087
#define IDC_LOGIN_NEW_PASSWORD_LABEL 1088
#define IDC_LOGIN_CONFIRM_PASSWORD_LABEL 1089

// ---------------------------------------------------------------- settings dialog (IDD_SETTINGS)
#define IDC_SETTINGS_LOGOUT_TIME_TAB 1027
#define IDC_SETTINGS_SHORTCUT_TAB 1028  // never shown
#define IDC_SETTINGS_OK 1029
#define IDC_SETTINGS_CANCEL 1030
// The check boxes of the shortcut tab, never shown.
#define IDC_SETTINGS_SHOW_WIZARD 1031
#define IDC_SETTINGS_SHOW_FOLDER 1032
#define IDC_SETTINGS_SHOW_PLAY_CENTER 1033
#define IDC_SETTINGS_SHOW_MANAGE_CENTER 1034
#define IDC_SETTINGS_SHOW_DOWNLOAD_CENTER 1035
#define IDC_SETTINGS_SHOW_BACKUP_CENTER 1036
#define IDC_SETTINGS_SHOW_NETWORK 1037
#define IDC_SETTINGS_SHOW_DRIVE_MAPPING 1038
#define IDC_SETTINGS_SHOW_SURVEILLANCE_CENTER 1039
#define IDC_SETTINGS_SHOW_FILE_CENTER 1091
// The logout time choices, one radio group.
#define IDC_LOGOUT_1_MIN 1040
#define IDC_LOGOUT_3_MIN 1041
#define IDC_LOGOUT_5_MIN 1042
#define IDC_LOGOUT_15_MIN 1043
#define IDC_LOGOUT_30_MIN 1044
#define IDC_LOGOUT_60_MIN 1045
#define IDC_LOGOUT_MANUALLY 1050
#define IDC_SETTINGS_LOGO 1046
#define IDC_SETTINGS_TITLE 1047
#define IDC_SETTINGS_HINT 1048
#define IDC_SETTINGS_CLOSE 1090

// ---------------------------------------------------------------- device information popup (IDD_INFO_POPUP)
#define IDC_INFO_SHARE_LIST 1128
#define IDC_INFO_NAME 1129
#define IDC_INFO_ADDRESS 1130
#define IDC_INFO_MASK 1131
#define IDC_INFO_GATEWAY 1132
#define IDC_INFO_NOTICE 1142
// The volume panels by slot: not in id order.
#define IDC_INFO_VOLUME_0 1139
#define IDC_INFO_VOLUME_1 1138
#define IDC_INFO_VOLUME_2 1140
#define IDC_INFO_VOLUME_3 1141

// ---------------------------------------------------------------- wizard frame (IDD_WIZARD)
#define IDC_WIZARD_SKIP 1049
#define IDC_WIZARD_PREVIOUS 1051
#define IDC_WIZARD_NEXT 1052
#define IDC_WIZARD_EXIT 1053
#define IDC_WIZARD_PAGE_AREA 1054
#define IDC_WIZARD_FINISH 1055
#define IDC_WIZARD_STEP_PASSWORD 1056
#define IDC_WIZARD_STEP_DEVICE_INFO 1057
#define IDC_WIZARD_STEP_TIME_ZONE 1058
#define IDC_WIZARD_STEP_NETWORK 1059
#define IDC_WIZARD_STEP_RAID 1062
#define IDC_WIZARD_STEP_DRIVE_MAPPING 1065
#define IDC_WIZARD_CLOSE 1092
#define IDC_WIZARD_TITLE 1093
#define IDC_WIZARD_PAGE_NAME 1094
#define IDC_WIZARD_LOGO 1095

// ---------------------------------------------------------------- wizard page: password (IDD_WIZARD_PASSWORD)
#define IDC_PASSWORD_PAGE_PASSWORD 1060
#define IDC_PASSWORD_PAGE_CONFIRM 1063
#define IDC_PASSWORD_PAGE_PASSWORD_LABEL 1096
#define IDC_PASSWORD_PAGE_CONFIRM_LABEL 1097

// ---------------------------------------------------------------- wizard page: device information (IDD_WIZARD_DEVICE_INFO)
#define IDC_DEVICE_PAGE_WORKGROUP 1061
#define IDC_DEVICE_PAGE_NAME 1064
#define IDC_DEVICE_PAGE_DESCRIPTION 1066
#define IDC_DEVICE_PAGE_WORKGROUP_LABEL 1098
#define IDC_DEVICE_PAGE_NAME_LABEL 1099
#define IDC_DEVICE_PAGE_DESCRIPTION_LABEL 1100

// ---------------------------------------------------------------- wizard page: time zone (IDD_WIZARD_TIME_ZONE)
#define IDC_TIME_ZONE_LIST 1067
#define IDC_TIME_ZONE_UP 1101
#define IDC_TIME_ZONE_DOWN 1102

// ---------------------------------------------------------------- wizard page: network (IDD_WIZARD_NETWORK)
#define IDC_NETWORK_PAGE_DHCP 1068
#define IDC_NETWORK_PAGE_STATIC 1103
#define IDC_NETWORK_PAGE_IP_LABEL 1104
#define IDC_NETWORK_PAGE_MASK_LABEL 1105
#define IDC_NETWORK_PAGE_GATEWAY_LABEL 1106
#define IDC_NETWORK_PAGE_DNS1_LABEL 1107
#define IDC_NETWORK_PAGE_DNS2_LABEL 1108
#define IDC_NETWORK_PAGE_IP 1133
#define IDC_NETWORK_PAGE_MASK 1134
#define IDC_NETWORK_PAGE_GATEWAY 1135
#define IDC_NETWORK_PAGE_DNS1 1136
#define IDC_NETWORK_PAGE_DNS2 1137

// ---------------------------------------------------------------- wizard page: volume type (IDD_WIZARD_RAID)
#define IDC_RAID_STANDARD 1071
#define IDC_RAID_0 1073
#define IDC_RAID_JBOD 1075
#define IDC_RAID_1 1078

// ---------------------------------------------------------------- wizard page: drive mapping (IDD_WIZARD_DRIVE_MAPPING)
#define IDC_DRIVE_MAPPING_LIST 1076

// ---------------------------------------------------------------- device IP dialog (IDD_DEVICE_IP)
#define IDC_SETIP_DHCP 1109
#define IDC_SETIP_STATIC 1110
#define IDC_SETIP_IP_LABEL 1111
#define IDC_SETIP_MASK_LABEL 1113
#define IDC_SETIP_GATEWAY_LABEL 1118
#define IDC_SETIP_DNS1_LABEL 1119
#define IDC_SETIP_DNS2_LABEL 1120
#define IDC_SETIP_IP 1143
#define IDC_SETIP_MASK 1144
#define IDC_SETIP_GATEWAY 1145
#define IDC_SETIP_DNS1 1146
#define IDC_SETIP_DNS2 1147
#define IDC_SETIP_OK 1148
#define IDC_SETIP_CANCEL 1149

// ---------------------------------------------------------------- format progress (IDD_FORMAT_PROGRESS)
#define IDC_FORMAT_CLOSE 1121
#define IDC_FORMAT_PROGRESS 1122
#define IDC_FORMAT_OK 1123
#define IDC_FORMAT_CANCEL 1124
#define IDC_FORMAT_TITLE 1125
#define IDC_FORMAT_PERCENT 1126
#define IDC_FORMAT_MESSAGE 1127
#define IDC_FORMAT_SUCCESS_PICTURE 1153

// ---------------------------------------------------------------- the skin's PNG images (type "PNG")
#define IDB_HELP_PRESSED                     142
#define IDB_HELP_HOVER                       143
#define IDB_HELP_NORMAL                      144
#define IDB_BUTTON_ACTIVE                    145
#define IDB_SETTINGS_NORMAL                  146
#define IDB_SETTINGS_HOVER                   147
#define IDB_SETTINGS_PRESSED                 148
#define IDB_MINIMIZE_HOVER                   149
#define IDB_MINIMIZE_NORMAL                  150
#define IDB_MINIMIZE_PRESSED                 151
#define IDB_CLOSE_NORMAL                     155
#define IDB_CLOSE_HOVER                      156
#define IDB_CLOSE_PRESSED                    157
#define IDB_BUTTON                           158
#define IDB_ADDRESS_FRAME                    159
#define IDB_LOGIN_BACKGROUND                 160
#define IDB_LOGIN_LOGO                       161
#define IDB_MODIFY_PASSWORD_PRESSED          162
#define IDB_MODIFY_PASSWORD_HOVER            163
#define IDB_MODIFY_PASSWORD_NORMAL           164
#define IDB_CHECK_BOX                        165
#define IDB_CHECK_MARK                       166
#define IDB_RADIO                            167
#define IDB_RADIO_CHECKED                    168
#define IDB_WIZARD_BACKGROUND                169
#define IDB_WIZARD_LOGO                      170
#define IDB_FORMAT_BAR                       171
#define IDB_FORMAT_BAR_LEFT                  172
#define IDB_FORMAT_BAR_MIDDLE                173
#define IDB_FORMAT_BAR_RIGHT                 174
#define IDB_COMBO                            175
#define IDB_SETTINGS_LOGO                    178
#define IDB_UNDERLINE                        179
#define IDB_SHORTCUT_BACKUP_ACTIVE           180
#define IDB_SHORTCUT_WIZARD                  181
#define IDB_SHORTCUT_WIZARD_ACTIVE           182
#define IDB_SHORTCUT_SURVEILLANCE            183
#define IDB_SHORTCUT_SURVEILLANCE_ACTIVE     184
#define IDB_SHORTCUT_PLAY                    185
#define IDB_SHORTCUT_PLAY_ACTIVE             186
#define IDB_SHORTCUT_MANAGEMENT              189
#define IDB_SHORTCUT_MANAGEMENT_ACTIVE       190
#define IDB_SHORTCUT_FILE                    191
#define IDB_SHORTCUT_FILE_ACTIVE             192
#define IDB_SHORTCUT_DOWNLOAD                193
#define IDB_SHORTCUT_DOWNLOAD_ACTIVE         194
#define IDB_SHORTCUT                         197
#define IDB_SHORTCUT_SELECTED                198
#define IDB_SHORTCUT_HOVER                   199
#define IDB_SHORTCUT_BACKUP                  200
#define IDB_STEP_DONE                        201
#define IDB_STEP_CURRENT                     202
#define IDB_STEP_TODO                        203
#define IDB_ARROW_DOWN                       204
#define IDB_ARROW_UP                         205
#define IDB_RAID_STANDARD                    206
#define IDB_RAID_LINEAR                      207
#define IDB_RAID_RAID0                       208
#define IDB_RAID_RAID1                       209
#define IDB_RAID_FOCUS                       211
#define IDB_VOLUME_BAR_RIGHT                 214
#define IDB_VOLUME_BAR                       215
#define IDB_VOLUME_BAR_LEFT                  216
#define IDB_VOLUME_BAR_MIDDLE                217
#define IDB_GAUGE                            218
#define IDB_GAUGE_MIDDLE                     219
#define IDB_GAUGE_TOP                        220
#define IDB_GAUGE_BOTTOM                     221
#define IDB_FOLDER_SELECTION                 222
#define IDB_CELL_COMBO                       223
#define IDB_FOLDER                           224
#define IDB_SHORTCUT_FOLDER                  225
#define IDB_SHORTCUT_FOLDER_ACTIVE           226
#define IDB_MAIN_BACKGROUND                  227
#define IDB_MAIN_LOGO                        228
#define IDB_SUCCESS                          231
#define IDB_LOGOUT_PRESSED                   234
#define IDB_LOGOUT_HOVER                     235
#define IDB_LOGOUT_NORMAL                    236
