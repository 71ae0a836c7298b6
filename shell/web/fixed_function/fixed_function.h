// A fixed-function OpenGL 1.1 pipeline over WebGL 1, for exactly what the scene
// and freeglut's shapes call. The entry points are the ordinary gl* functions,
// declared by <GL/gl.h>; they keep their state here and draw through one shader
// program that follows the OpenGL 1.1 equations per vertex: lighting (Gouraud),
// positional lights with attenuation, emission, colour material, normals left
// unnormalised unless GL_NORMALIZE is on, sphere-map texture generation, and
// per fragment: modulated texture and fog (linear, exp, exp2). Depth, stencil,
// blending and culling are WebGL's own. Like a GL driver, it gathers the
// primitives that share their state and draws them with one WebGL call: when
// the state changes, before the WebGL calls it passes on, and at the latest
// when the page's code returns to the browser.
//
// Not implemented, and left out on purpose because nothing here calls it:
// more than two lights (GL_LIGHT0, GL_LIGHT1); spotlights (GL_SPOT_*); the light
// model (local viewer, two-sided lighting; its ambient stays at the default);
// back materials (GL_BACK alone is ignored); glShadeModel(GL_FLAT); texture
// generation other than GL_SPHERE_MAP for S and T, and the texture matrix;
// texture environments other than GL_MODULATE; the alpha test (its enable is
// kept, nothing more); polygon modes other than GL_FILL; raster positions,
// glBitmap and glDrawPixels; display lists; feedback and selection; client
// arrays of any type but GL_FLOAT; glPushAttrib of groups other than
// GL_ENABLE_BIT, GL_CURRENT_BIT, GL_LIGHTING_BIT, GL_FOG_BIT, GL_TRANSFORM_BIT
// and GL_POLYGON_BIT; gluBuild2DMipmaps of sizes that are not powers of two.
#pragma once

// Compiles the shaders into the current WebGL context; false when they do not
// build there or WebGL lacks 32-bit indices (OES_element_index_uint). Call once
// after the context is made current, before any gl* call.
bool StartFixedFunction();
