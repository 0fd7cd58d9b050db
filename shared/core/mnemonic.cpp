#include "mnemonic.h"

#include <cctype>

char AccessKeyOf(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // an escaped ampersand
            continue;
        }
        return char(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}
