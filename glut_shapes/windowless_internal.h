/* What freeglut's shape and font sources need of freeglut's internals, for a
 * library with no window system: there is never a current window, so shapes
 * are drawn with OpenGL 1.1 vertex arrays and nothing ever needs to be
 * initialised. The build copies this file beside those sources as
 * fg_internal.h, which is the name they include it by. */
#ifndef VORN_WINDOWLESS_INTERNAL_H
#define VORN_WINDOWLESS_INTERNAL_H

#include <GL/freeglut.h>

/* Only what the drawing code reads: whether to take the OpenGL 2.0 path, and
 * whether stroke letters get dots at their joints. */
typedef struct {
  GLboolean HasOpenGL20;
  GLboolean StrokeFontDrawJoinDots;
} SFG_State;
extern SFG_State fgState;

/* A window's shader attributes and its normal display; never reached, since
 * there is no current window. */
typedef struct {
  GLint attribute_v_coord;
  GLint attribute_v_normal;
  GLint attribute_v_texture;
} SFG_WindowShaderAttributes;
typedef struct {
  GLboolean VisualizeNormals;
} SFG_WindowState;
typedef struct {
  SFG_WindowShaderAttributes Window;
  SFG_WindowState State;
} SFG_Window;

typedef struct {
  SFG_Window* CurrentWindow;
} SFG_Structure;
extern SFG_Structure fgStructure;

/* The layouts of the font tables, in the order their initialisers list the fields. */
typedef struct {
  char* Name;
  int Quantity;
  int Height;
  const GLubyte** Characters;
  float xorig, yorig;
} SFG_Font;

typedef struct {
  GLfloat X, Y;
} SFG_StrokeVertex;

typedef struct {
  int Number;
  const SFG_StrokeVertex* Vertices;
} SFG_StrokeStrip;

typedef struct {
  GLfloat Right;
  int Number;
  const SFG_StrokeStrip* Strips;
} SFG_StrokeChar;

typedef struct {
  char* Name;
  int Quantity;
  GLfloat Height;
  const SFG_StrokeChar** Characters;
} SFG_StrokeFont;

/* Shapes and fonts work without any set-up. */
#define FREEGLUT_EXIT_IF_NOT_INITIALISED(name)

/* Quiet early returns for arguments out of range (characters a font lacks). */
#define freeglut_return_if_fail(condition) \
  if (!(condition)) return;
#define freeglut_return_val_if_fail(condition, value) \
  if (!(condition)) return value;

/* Prints one line starting "vorn:" on standard error and ends the process. */
void fgError(const char* format, ...);
/* Prints one line starting "vorn:" on standard error. */
void fgWarning(const char* format, ...);

#endif
