#pragma once

#include <QUrl>

#include <functional>

// The desktop shell's "open" on a web address: the user's browser shows it.
namespace shell {

// Returns whether the shell accepted the request; a refusal is not an error
// the pupil needs to see.
bool open(const QUrl& address);

// A locked-down room: from now on every request is refused and nothing opens.
void setLocked(bool locked);

// Tests route requests here instead of opening anything for real.
void setOpenHandler(std::function<bool(const QUrl&)> handler);

}  // namespace shell
