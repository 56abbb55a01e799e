#include "module1/wordedfaces.h"

#include <algorithm>
#include <cctype>

bool WordedFaces::isWorded(std::string_view name) {
    auto same = [](char a, char b) {
        if (a == '\\') a = '/';
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    return std::any_of(kAll.begin(), kAll.end(), [&](const Face& face) {
        return std::equal(name.begin(), name.end(), face.file.begin(), face.file.end(), same);
    });
}
