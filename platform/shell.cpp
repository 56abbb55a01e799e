#include "platform/shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

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

// xdg-open's own ways of saying it found nothing to open the address with:
// a required tool is missing, or the action failed.
constexpr int kNoTool = 3;
constexpr int kFailed = 4;

// The desktop's opener, where the address goes to it straight: not when the
// user named a browser, nor from inside a sandbox, where Qt asks the portal.
QString desktopOpener() {
    if (qEnvironmentVariableIsSet("BROWSER") || qEnvironmentVariableIsSet("DEFAULT_BROWSER") ||
        qEnvironmentVariableIsSet("FLATPAK_ID") || qEnvironmentVariableIsSet("SNAP"))
        return {};
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

// Runs the opener and listens for its failure. Only the opener is watched;
// a browser it starts in the foreground may outlive the program.
bool openWith(const QString& opener, const QUrl& address, const std::function<void()>& noBrowser) {
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(
        process, &QProcess::finished, process,
        [process, noBrowser](int code, QProcess::ExitStatus status) {
            if (status == QProcess::NormalExit && (code == kNoTool || code == kFailed) && noBrowser)
                noBrowser();
            process->deleteLater();
        });
    process->start(opener, {address.toString(QUrl::FullyEncoded)});
    if (process->waitForStarted()) return true;
    delete process;
    if (noBrowser) noBrowser();
    return false;
}

}  // namespace

bool open(const QUrl& address, const std::function<void()>& noBrowser) {
    if (locked()) return false;
    bool opened = false;
    if (handler())
        opened = handler()(address);
    else if (const QString opener = desktopOpener(); !opener.isEmpty())
        return openWith(opener, address, noBrowser);
    else
        opened = QDesktopServices::openUrl(address);
    if (!opened && noBrowser) noBrowser();
    return opened;
}

void setLocked(bool l) { locked() = l; }
bool isLocked() { return locked(); }

void setOpenHandler(std::function<bool(const QUrl&)> h) { handler() = std::move(h); }

}  // namespace shell
