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

namespace {

int FirstWithKey(const std::vector<std::string>& captions, unsigned key) {
    if (key == 0 || key > 0xFF) return -1;
    for (size_t i = 0; i < captions.size(); ++i)
        if (static_cast<unsigned char>(AccessKeyOf(captions[i])) == key) return int(i);
    return -1;
}

bool IsLetterOrDigitKey(unsigned virtualKey) {
    return (virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9');
}

}  // namespace

int AccessKeyTarget(const std::vector<std::string>& captions, unsigned character,
                    unsigned virtualKey) {
    unsigned typed = character <= 0xFF ? unsigned(std::toupper(int(character))) : 0;
    int byCharacter = FirstWithKey(captions, typed);
    if (byCharacter >= 0 || !IsLetterOrDigitKey(virtualKey)) return byCharacter;
    return FirstWithKey(captions, virtualKey);
}
