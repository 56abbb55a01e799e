#include "tests/damaged/stderrcapture.h"

#include <unistd.h>

#include <cstdio>

StderrCapture::StderrCapture() {
    if (!m_file.open()) return;
    std::fflush(stderr);
    m_savedFd = ::dup(STDERR_FILENO);
    ::dup2(m_file.handle(), STDERR_FILENO);
}

StderrCapture::~StderrCapture() { finish(); }

QStringList StderrCapture::finish() {
    if (m_savedFd < 0) return {};
    std::fflush(stderr);
    ::dup2(m_savedFd, STDERR_FILENO);
    ::close(m_savedFd);
    m_savedFd = -1;
    m_file.seek(0);
    return QString::fromLocal8Bit(m_file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
