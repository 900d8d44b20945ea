// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

// Puts the working directory back, however the test leaves its scope.
class CurrentDirectoryGuard {
public:
    CurrentDirectoryGuard() = default;
    ~CurrentDirectoryGuard() { QDir::setCurrent(previous_); }

    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

private:
    QString previous_ = QDir::currentPath();
};
