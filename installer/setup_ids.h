// Resource and control ids of the installer, shared by its code and its resource scripts.
#ifndef SELENARIUM_SETUP_IDS_H
#define SELENARIUM_SETUP_IDS_H

#define IDD_SETUP 133
#define IDD_PROGRESS 130
#define IDB_SETUP_MOON 129
#define IDI_SETUP 131
#define IDI_PROGRESS 132

#define IDS_PAYLOAD_COUNT 104
#define IDS_PAYLOAD_NAME_FIRST 200
#define IDR_PAYLOAD_FIRST 144
#define PAYLOAD_RESOURCE_TYPE "RT_RCDATA"

// Setup dialog controls.
#define IDC_SETUP_INSTALL 1
#define IDC_SETUP_CANCEL 1010
#define IDC_SETUP_MAKER 1012
#define IDC_SETUP_BROWSE 1013
#define IDC_SETUP_FOLDER 1014
#define IDC_SETUP_FOLDER_LABEL 1015
#define IDC_SETUP_VERSION 1016
#define IDC_SETUP_LANGUAGE_LABEL 1017
#define IDC_SETUP_LANGUAGE 1018
#define IDC_SETUP_PICTURE 1019

// Progress dialog controls; the unpacking worker reports on command 1.
#define IDC_PROGRESS_CANCEL 2
#define IDC_PROGRESS_STATUS 1026
#define IDC_PROGRESS_BAR 1025
#define IDC_PROGRESS_OUTCOME 1

#endif
