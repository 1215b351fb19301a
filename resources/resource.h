#pragma once

// Resource, control and timer ids of the module, shared by the .rc file and the code.

#define IDR_MODULE_VERSION 1

// The Cabrillo header dialog and its fields.
#define IDD_CABRILLO 101
#define IDC_CABRILLO_SOAPBOX 1001
#define IDC_CABRILLO_ADDRESS 1002
#define IDC_CABRILLO_ADDRESS_CITY 1003
#define IDC_CABRILLO_EMAIL 1004
#define IDC_CABRILLO_CLUB 1005
#define IDC_CABRILLO_OPERATORS 1006
#define IDC_CABRILLO_NAME 1007
#define IDC_CABRILLO_CLAIMED 1008
#define IDC_CABRILLO_CONTEST 1009
#define IDC_CABRILLO_CALLSIGN 1010
#define IDC_CABRILLO_ADDRESS_STATE_PROVINCE 1011
#define IDC_CABRILLO_ADDRESS_POSTALCODE 1012
#define IDC_CABRILLO_CATEGORY_OPERATOR 1013
#define IDC_CABRILLO_CATEGORY_BAND 1014
#define IDC_CABRILLO_ADDRESS_COUNTRY 1015
#define IDC_CABRILLO_CATEGORY_ASSISTED 1016
#define IDC_CABRILLO_CATEGORY_MODE 1017
#define IDC_CABRILLO_CATEGORY_POWER 1021
#define IDC_CABRILLO_CATEGORY_TRANSMITTER 1022
#define IDC_CABRILLO_CATEGORY_OVERLAY 1023
#define IDC_CABRILLO_LOCATION 1024
#define IDC_CABRILLO_CATEGORY_STATION 1025

// The status windows: the control dialog, the State/Province window, the DXCC
// window and their icon.
#define IDD_MULTIPLIER 105
#define IDI_MODULE 113
#define IDD_STAT_PROV 115
#define IDD_SETUP_ARRL_10M 116

// The control dialog's check boxes.
#define IDC_VIEW_STATE 1015
#define IDC_VIEW_DXCC 1016
#define IDC_MODE_CW 1017
#define IDC_MODE_SSB 1018

// The control dialog's one-shot refresh timer.
#define REFRESH_TIMER_ID 1500

// The DXCC window's owner-drawn status button.
#define IDC_INFO_BUTTON 1016

// The State/Province window's 97 location boxes, IDC_STAT_PROV_FIRST to
// IDC_STAT_PROV_LAST in the order of their flags.
#define IDC_BOX_AL 1016
#define IDC_BOX_MD 1017
#define IDC_BOX_AR 1018
#define IDC_BOX_AZ 1019
#define IDC_BOX_CA 1020
#define IDC_BOX_CO 1021
#define IDC_BOX_CT 1022
#define IDC_BOX_DE 1023
#define IDC_BOX_FL 1024
#define IDC_BOX_GA 1025
#define IDC_BOX_ID 1026
#define IDC_BOX_IL 1027
#define IDC_BOX_IA 1028
#define IDC_BOX_KS 1029
#define IDC_BOX_KY 1030
#define IDC_BOX_LA 1031
#define IDC_BOX_MA 1032
#define IDC_BOX_ME 1033
#define IDC_BOX_MI 1034
#define IDC_BOX_MN 1035
#define IDC_BOX_MS 1036
#define IDC_BOX_MO 1037
#define IDC_BOX_MT 1038
#define IDC_BOX_IN 1039
#define IDC_BOX_NE 1040
#define IDC_BOX_NV 1041
#define IDC_BOX_NH 1042
#define IDC_BOX_NJ 1043
#define IDC_BOX_NM 1044
#define IDC_BOX_NY 1045
#define IDC_BOX_NC 1046
#define IDC_BOX_ND 1047
#define IDC_BOX_OH 1048
#define IDC_BOX_OK 1049
#define IDC_BOX_OR 1050
#define IDC_BOX_PA 1051
#define IDC_BOX_RI 1052
#define IDC_BOX_SC 1053
#define IDC_BOX_SD 1054
#define IDC_BOX_TN 1055
#define IDC_BOX_TX 1056
#define IDC_BOX_UT 1057
#define IDC_BOX_VT 1058
#define IDC_BOX_VA 1059
#define IDC_BOX_WA 1060
#define IDC_BOX_WV 1061
#define IDC_BOX_WI 1062
#define IDC_BOX_WY 1063
#define IDC_BOX_AB 1064
#define IDC_BOX_BC 1065
#define IDC_BOX_LB 1066
#define IDC_BOX_MB 1067
#define IDC_BOX_NB 1068
#define IDC_BOX_NF 1069
#define IDC_BOX_NS 1070
#define IDC_BOX_NWT 1071
#define IDC_BOX_NU 1072
#define IDC_BOX_ON 1073
#define IDC_BOX_QC 1074
#define IDC_BOX_SK 1075
#define IDC_BOX_YT 1076
#define IDC_BOX_PEI 1077
#define IDC_BOX_AGS 1078
#define IDC_BOX_BAC 1079
#define IDC_BOX_BCS 1080
#define IDC_BOX_CAM 1081
#define IDC_BOX_CHI 1082
#define IDC_BOX_CHH 1083
#define IDC_BOX_COA 1084
#define IDC_BOX_COL 1085
#define IDC_BOX_DFE 1086
#define IDC_BOX_DGO 1087
#define IDC_BOX_EMX 1088
#define IDC_BOX_GTO 1089
#define IDC_BOX_GRO 1090
#define IDC_BOX_HGO 1091
#define IDC_BOX_JAL 1092
#define IDC_BOX_MIC 1093
#define IDC_BOX_MOR 1094
#define IDC_BOX_NAY 1095
#define IDC_BOX_NLE 1096
#define IDC_BOX_OAX 1097
#define IDC_BOX_PUE 1098
#define IDC_BOX_QRO 1099
#define IDC_BOX_QUI 1100
#define IDC_BOX_SLP 1101
#define IDC_BOX_SIN 1102
#define IDC_BOX_SON 1103
#define IDC_BOX_TAB 1104
#define IDC_BOX_TAM 1105
#define IDC_BOX_TLX 1106
#define IDC_BOX_VER 1107
#define IDC_BOX_YUC 1108
#define IDC_BOX_ZAC 1109
#define IDC_BOX_R1 1110
#define IDC_BOX_R2 1111
#define IDC_BOX_R3 1112
#define IDC_STAT_PROV_FIRST IDC_BOX_AL
#define IDC_STAT_PROV_LAST IDC_BOX_R3
