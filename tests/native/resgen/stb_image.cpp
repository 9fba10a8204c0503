// Debian's stb PNG decoder, compiled once for the test that reads the encoder's files back.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>
