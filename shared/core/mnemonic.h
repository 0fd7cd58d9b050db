// Access keys: "&Apply" is pressed with Alt+A; "&&" is a plain ampersand.
#pragma once

#include <string>
#include <vector>

// The caption's access key in upper case, or 0 when it has none.
char AccessKeyOf(const std::string& caption);

// The caption an Alt+key press reaches, as an index into captions, or -1 when none: the first
// whose access key is the character typed, else the first whose access key is the letter or
// digit printed on the key (virtualKey: the key's code, for letters and digits the upper-case
// character), so that the keys work under a layout that types no Latin letters.
int AccessKeyTarget(const std::vector<std::string>& captions, unsigned character,
                    unsigned virtualKey);
