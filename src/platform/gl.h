// gl.h: OpenGL 1.1 for the drawing code, through SDL's header, which finds the system's own
// on every platform (and brings the declarations Windows' header needs first).
#pragma once

#include <SDL_opengl.h>
