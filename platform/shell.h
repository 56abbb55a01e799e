#pragma once

#include <QUrl>

#include <functional>

// The desktop shell's "open" on a web address: the user's browser shows it.
namespace shell {

// Asks the desktop to open the address. Returns whether the request went out;
// `noBrowser` runs when no browser could take it: at once, or later, once the
// desktop's opener (xdg-open) has given up for want of one. A locked-down room
// refuses quietly.
bool open(const QUrl& address, const std::function<void()>& noBrowser = {});

// A locked-down room: from now on every request is refused and nothing opens.
void setLocked(bool locked);
bool isLocked();

// Tests route requests here instead of opening anything for real.
void setOpenHandler(std::function<bool(const QUrl&)> handler);

}  // namespace shell
