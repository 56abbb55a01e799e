#pragma once

#include <string>
#include <string_view>
#include <vector>

// Which translation suits the pupil: the first of the desktop's languages, in
// its order of preference, that the program speaks. English is built in, so
// a preference for English (or for the plain "C" locale) ends the search.
class LanguageChoice {
public:
    // "de_DE.UTF-8", "de-DE", "DE" -> "de-de", "de-de", "de": lower case,
    // '-' between parts, no encoding or modifier.
    static std::string normalised(std::string_view tag);

    // The language part alone: "de-DE" -> "de".
    static std::string primary(std::string_view tag);

    // The name of the translation to load, as spelled in `available` (for
    // instance "de" or "pt_BR"), or "" for English. A preferred "pt-BR" takes
    // "pt_BR" before "pt"; a preferred "de-AT" takes "de".
    static std::string choose(const std::vector<std::string>& preferred,
                              const std::vector<std::string>& available);

    // The file of a language's translation, "de" -> "quorvane_de.qm", and
    // back: the language a file holds, or "" for any other file.
    static std::string translationFile(std::string_view language);
    static std::string languageOfFile(std::string_view file);
};
