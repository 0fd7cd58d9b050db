// Text at the border to Windows' wide ("W") functions: inside the programs, paths and text
// from outside (folders, file names, registry strings shown or opened) are UTF-8 strings, so
// that a name outside the ANSI code page survives; the W call converts at the border.
#pragma once

#include <string>
#include <string_view>

// UTF-8 to UTF-16; an invalid sequence becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view text);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

// ANSI code page text (what an "A" function returned) to UTF-8.
std::string Utf8FromAnsi(std::string_view text);
