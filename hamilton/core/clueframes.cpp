#include "hamilton/core/clueframes.h"

#include "module1/module1.h"

std::string ClueFrames::name(const std::string& prefix, int n, const std::string& extension) {
    return Module1::frameName(prefix, n, kDigits, extension);
}
