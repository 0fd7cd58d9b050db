// How far the setup program reads a value of its INI files.
#pragma once

#include <stdint.h>

// A value longer than this is no setting and no vendor title: it reads as missing instead of
// being cut to something it never said.
constexpr uint32_t kMaxProfileValueChars = 64 * 1024;
