// The numbers of the settings file: a text read from its start, rounded to a whole number.
#pragma once

#include <stdint.h>

#include <string>

// Magnitudes at or beyond this are reported as this: far outside every setting's range, and
// no text, however long its digits or exponent, can overflow the reading.
constexpr int64_t kNumberSaturation = 1000000000000000;  // 10^15

// The number at the start of text: blanks, an optional sign, digits, an optional fraction and
// exponent; reading stops at the first character that does not fit, and text without a number
// reads as 0. Rounded to the nearest integer, halves to even, exactly (no binary fractions).
int64_t RoundedLeadingNumber(const std::string& text);

// A profile string as the setup program uses it: up to its first NUL, trailing spaces removed.
std::string CleanProfileText(const std::string& raw);
