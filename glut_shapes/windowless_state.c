/* The state freeglut's shape and font sources read, for drawing with no
 * window system, and their messages. */
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "fg_gl2.h"
#include "fg_internal.h"

SFG_State fgState = {GL_FALSE, GL_FALSE};
SFG_Structure fgStructure = {NULL};

/* The OpenGL 2.0 buffer functions: only the shader path, which needs a
 * current window, calls them. */
FGH_PFNGLGENBUFFERSPROC fghGenBuffers = NULL;
FGH_PFNGLDELETEBUFFERSPROC fghDeleteBuffers = NULL;
FGH_PFNGLBINDBUFFERPROC fghBindBuffer = NULL;
FGH_PFNGLBUFFERDATAPROC fghBufferData = NULL;
FGH_PFNGLENABLEVERTEXATTRIBARRAYPROC fghEnableVertexAttribArray = NULL;
FGH_PFNGLDISABLEVERTEXATTRIBARRAYPROC fghDisableVertexAttribArray = NULL;
FGH_PFNGLVERTEXATTRIBPOINTERPROC fghVertexAttribPointer = NULL;

/* freeglut's messages may or may not end in a line break: each becomes one line. */
static void PrintLine(const char* format, va_list arguments) {
  char text[512];
  size_t length;
  vsnprintf(text, sizeof text, format, arguments);
  length = strlen(text);
  while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == ' ')) text[--length] = '\0';
  fprintf(stderr, "vorn: %s\n", text);
}

void fgError(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  PrintLine(format, arguments);
  va_end(arguments);
  exit(1);
}

void fgWarning(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  PrintLine(format, arguments);
  va_end(arguments);
}
