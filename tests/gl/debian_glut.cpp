#include "tests/gl/debian_glut.h"

#include <dlfcn.h>

#include <cstdio>

namespace {
constexpr const char* kLibrary = "libglut.so.3.12";

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (function == nullptr) std::fprintf(stderr, "%s has no %s\n", kLibrary, name);
  return function != nullptr;
}

DebianGlut loaded;
bool tried = false;
bool found = false;
}  // namespace

const DebianGlut* LoadDebianGlut() {
  if (tried) return found ? &loaded : nullptr;
  tried = true;
  // Local, so that its names never stand in for the ones vorn is built with.
  void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "cannot load %s: %s\n", kLibrary, dlerror());
    return nullptr;
  }
  void (*init)(int*, char**) = nullptr;
  found = Find(library, "glutInit", init) && Find(library, "glutSolidCube", loaded.solidCube) &&
          Find(library, "glutSolidSphere", loaded.solidSphere) &&
          Find(library, "glutSolidTorus", loaded.solidTorus) &&
          Find(library, "glutBitmapString", loaded.bitmapString) &&
          Find(library, "glutBitmapLength", loaded.bitmapLength) &&
          Find(library, "glutBitmap9By15", loaded.bitmap9By15);
  if (!found) return nullptr;
  // Its shapes end the process unless it has been initialised, which opens the X display.
  int argc = 1;
  char name[] = "vorn_gl_tests";
  char* argv[] = {name, nullptr};
  init(&argc, argv);
  return &loaded;
}
