#pragma once

#include <QStringList>
#include <QTemporaryFile>

// Sends everything written to standard error into a file of its own while it
// lives, so a test can read exactly what the program reported.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Puts standard error back and returns the lines written meanwhile.
    QStringList finish();

private:
    QTemporaryFile m_file;
    int m_savedFd = -1;
};
