/* Resource ids shared by the resource script and the code. Plain macros, so
   that the resource compiler reads them too. */
#ifndef VORN_RESOURCES_RESOURCE_H
#define VORN_RESOURCES_RESOURCE_H

/* Texture bitmaps: 256x256 for full-screen saving, 32x32 for the preview. */
#define IDB_MARBLE 112
#define IDB_LANDSCAPE 115
#define IDB_LANDSCAPE_SMALL 127
#define IDB_MARBLE_SMALL 128

/* The configuration dialog and what it shows. */
#define IDD_CONFIG 104
#define IDB_STILL 114
#define IDB_LOGO 126
#define IDC_MOUSE_CONTROL 1000
#define IDC_DETAIL_LOW 1005
#define IDC_DETAIL_MIDDLE 1006
#define IDC_DETAIL_HIGH 1007
#define IDC_VISIT_HOMEPAGE 1010
#define IDC_SEND_EMAIL 1011
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* What the host's list of screen savers shows: the description and the icon. */
#define IDS_DESCRIPTION 1
#define IDI_SAVER 1

#endif
