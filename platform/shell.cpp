#include "shell.h"

#include <QDesktopServices>

namespace shell {
namespace {
std::function<bool(const QUrl&)>& handler() {
    static std::function<bool(const QUrl&)> h;
    return h;
}
}  // namespace

bool open(const QUrl& address) {
    if (handler()) return handler()(address);
    return QDesktopServices::openUrl(address);
}

void setOpenHandler(std::function<bool(const QUrl&)> h) { handler() = std::move(h); }

}  // namespace shell
