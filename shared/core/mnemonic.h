// Access keys: "&Apply" is pressed with Alt+A; "&&" is a plain ampersand.
#pragma once

#include <string>

// The caption's access key in upper case, or 0 when it has none.
char AccessKeyOf(const std::string& caption);
