// stb_image's implementation, which Debian builds into a shared library on
// Linux; here it is compiled in, for the only format the page reads.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#include <stb/stb_image.h>
