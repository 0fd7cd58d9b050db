#include "setup_number.h"

namespace {

constexpr int64_t kExponentLimit = 1000000;  // beyond it every non-zero number saturates
constexpr int64_t kMaxWholeDigits = 15;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Scans "digits[.digits][e[sign]digits]" from text[at]; digits collects the mantissa's digits
// and point says how many of them stand before the decimal point.
bool ScanMantissa(const std::string& text, size_t& at, std::string& digits, int64_t& point) {
    size_t wholeDigits = 0;
    while (at < text.size() && IsDigit(text[at])) {
        digits += text[at++];
        ++wholeDigits;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && IsDigit(text[at])) digits += text[at++];
    }
    point = int64_t(wholeDigits);
    return !digits.empty();
}

// An exponent counts only with at least one digit; "1e" and "1e+" read as 1.
int64_t ScanExponent(const std::string& text, size_t at) {
    if (at >= text.size() || (text[at] != 'e' && text[at] != 'E')) return 0;
    size_t next = at + 1;
    bool negative = false;
    if (next < text.size() && (text[next] == '+' || text[next] == '-'))
        negative = text[next++] == '-';
    int64_t exponent = 0;
    while (next < text.size() && IsDigit(text[next])) {
        if (exponent < kExponentLimit) exponent = exponent * 10 + (text[next] - '0');
        ++next;
    }
    return negative ? -exponent : exponent;
}

// -1, 0 or 1 as the fraction digits[from..] is below, exactly or above one half; from may lie
// before the digits (leading zeros of the fraction) or after them (no fraction at all).
int CompareFractionWithHalf(const std::string& digits, int64_t from) {
    if (from < 0 || from >= int64_t(digits.size())) return -1;
    char first = digits[size_t(from)];
    if (first != '5') return first > '5' ? 1 : -1;
    for (size_t i = size_t(from) + 1; i < digits.size(); ++i)
        if (digits[i] != '0') return 1;
    return 0;
}

}  // namespace

int64_t RoundedLeadingNumber(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::string digits;
    int64_t point = 0;
    if (!ScanMantissa(text, at, digits, point)) return 0;
    point += ScanExponent(text, at);

    size_t significant = digits.find_first_not_of('0');
    if (significant == std::string::npos) return 0;
    digits.erase(0, significant);
    point -= int64_t(significant);
    if (point > kMaxWholeDigits) return negative ? -kNumberSaturation : kNumberSaturation;

    int64_t whole = 0;
    for (int64_t i = 0; i < point; ++i)
        whole = whole * 10 + (i < int64_t(digits.size()) ? digits[size_t(i)] - '0' : 0);
    // a negative point means the fraction starts with zeros: below one half
    int half = point < 0 ? -1 : CompareFractionWithHalf(digits, point);
    if (half > 0 || (half == 0 && whole % 2 == 1)) ++whole;
    if (whole > kNumberSaturation) whole = kNumberSaturation;
    return negative ? -whole : whole;
}

std::string CleanProfileText(const std::string& raw) {
    std::string text = raw.substr(0, raw.find('\0'));
    size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}
