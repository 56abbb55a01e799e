#include "platform/shell.h"

#include <QDesktopServices>

namespace shell {
namespace {
std::function<bool(const QUrl&)>& handler() {
    static std::function<bool(const QUrl&)> h;
    return h;
}
bool& locked() {
    static bool l = false;
    return l;
}
}  // namespace

bool open(const QUrl& address) {
    if (locked()) return false;
    if (handler()) return handler()(address);
    return QDesktopServices::openUrl(address);
}

void setLocked(bool l) { locked() = l; }

void setOpenHandler(std::function<bool(const QUrl&)> h) { handler() = std::move(h); }

}  // namespace shell
