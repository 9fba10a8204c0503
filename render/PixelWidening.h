// 24-bit pixels as 32-bit ones: GDI copies 32-bit rows to a 32-bit screen's bitmap many times
// faster than it widens 24-bit ones itself.
#pragma once

#include <cstddef>
#include <cstdint>

// count pixels of blue, green and red bytes from from, as 0x00RRGGBB into to.
void WidenBgrRow(const unsigned char* from, std::uint32_t* to, std::size_t count);
