/* Resource ids shared by the resource script and the code. Plain macros, so
   that the resource compiler reads them too. */
#ifndef VORN_RESOURCES_RESOURCE_H
#define VORN_RESOURCES_RESOURCE_H

/* Texture bitmaps: 256x256 for full-screen saving, 32x32 for the preview. */
#define IDB_MARBLE 112
#define IDB_LANDSCAPE 115
#define IDB_LANDSCAPE_SMALL 127
#define IDB_MARBLE_SMALL 128

#endif
