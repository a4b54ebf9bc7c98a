/* Resource and control ids of the configuration dialog and the about box. Also read by
   the resource compiler, so only #define lines. */
#ifndef SELENARIUM_SETTINGS_DIALOG_IDS_H
#define SELENARIUM_SETTINGS_DIALOG_IDS_H

#define IDD_CONFIG_DIALOG 2003
#define IDD_ABOUT_BOX 102
#define IDI_SELENARIUM 100

#define IDC_CITY_BOX 1002
#define IDC_LAT_DEGREES 1003
#define IDC_LAT_MINUTES 1004
#define IDC_LAT_SECONDS 1005
#define IDC_LON_DEGREES 1006
#define IDC_LON_MINUTES 1007
#define IDC_LON_SECONDS 1008
#define IDC_LAT_HEMISPHERE 1009
#define IDC_LON_HEMISPHERE 1010
#define IDC_LONGITUDE_LABEL 1011
#define IDC_PLACE_GROUP 1012
#define IDC_CITY_LABEL 1013
#define IDC_SHOW_STARS 1014
#define IDC_DMS_HEADER 1015
#define IDC_ADD_PLACE 1016
#define IDC_DELETE_PLACE 1017
#define IDC_SHOW_TEXT 1018
#define IDC_LANGUAGE_LABEL 1019
#define IDC_LANGUAGE_BOX 1021
#define IDC_ABOUT 1024
#define IDC_LATITUDE_LABEL (-1)

/* About box */
#define IDC_MAKER_WEB 1023
#define IDC_MAKER_MAIL 1024
#define IDC_MAKER_LINE 1025

#endif
