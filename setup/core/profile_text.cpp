#include "profile_text.h"

namespace {

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = char(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = char(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

std::string_view Unquoted(std::string_view value) {
    bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                  value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

}  // namespace

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
    bool inSection = false;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.front() == '[') {
            size_t close = line.find(']');
            if (close != std::string_view::npos)
                inSection = SameName(Trim(line.substr(1, close - 1)), Trim(section));
            continue;
        }
        size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        if (SameName(Trim(line.substr(0, equals)), Trim(key)))
            return std::string(Unquoted(Trim(line.substr(equals + 1))));
    }
    return std::nullopt;
}
