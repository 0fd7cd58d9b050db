// A key's value in the text of an INI file, found as Windows' profile functions find it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Section and key names match without regard to the case of ASCII letters and without the
// blanks around them; the first matching key of a matching section wins. The value loses the
// blanks around it and one pair of enclosing quotes (" or '). Lines end with LF or CR LF.
std::optional<std::string> ProfileValue(std::string_view text, std::string_view section,
                                        std::string_view key);
