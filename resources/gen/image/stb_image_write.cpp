// Debian's stb PNG encoder, compiled once for the library of image writers. Files are written by
// the writers themselves, so the encoder needs no stdio.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
