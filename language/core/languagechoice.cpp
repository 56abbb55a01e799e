#include "language/core/languagechoice.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr std::string_view kFilePrefix = "quorvane_";
constexpr std::string_view kFileSuffix = ".qm";
}  // namespace

std::string LanguageChoice::normalised(std::string_view tag) {
    // "de_DE.UTF-8@euro": the encoding and the modifier say nothing about the language.
    const std::size_t end = tag.find_first_of(".@");
    if (end != std::string_view::npos) tag = tag.substr(0, end);
    std::string out;
    out.reserve(tag.size());
    for (const char c : tag) {
        if (c == '_' || c == '-')
            out += '-';
        else
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string LanguageChoice::primary(std::string_view tag) {
    const std::string n = normalised(tag);
    return n.substr(0, n.find('-'));
}

std::string LanguageChoice::choose(const std::vector<std::string>& preferred,
                                   const std::vector<std::string>& available) {
    auto find = [&](const std::string& wanted) -> const std::string* {
        const auto it = std::find_if(available.begin(), available.end(),
                                     [&](const std::string& a) { return normalised(a) == wanted; });
        return it == available.end() ? nullptr : &*it;
    };
    for (const std::string& tag : preferred) {
        const std::string language = primary(tag);
        if (language.empty()) continue;
        if (language == "en" || language == "c" || language == "posix") return {};
        if (const std::string* exact = find(normalised(tag))) return *exact;
        if (const std::string* general = find(language)) return *general;
    }
    return {};
}

std::string LanguageChoice::translationFile(std::string_view language) {
    std::string file(kFilePrefix);
    file += language;
    file += kFileSuffix;
    return file;
}

std::string LanguageChoice::languageOfFile(std::string_view file) {
    if (file.size() <= kFilePrefix.size() + kFileSuffix.size() || !file.starts_with(kFilePrefix) ||
        !file.ends_with(kFileSuffix))
        return {};
    return std::string(
        file.substr(kFilePrefix.size(), file.size() - kFilePrefix.size() - kFileSuffix.size()));
}
