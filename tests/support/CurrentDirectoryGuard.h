// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

// Puts the working directory back, however the test leaves its scope.
class CurrentDirectoryGuard {
public:
    ~CurrentDirectoryGuard() { QDir::setCurrent(previous_); }

private:
    QString previous_ = QDir::currentPath();
};
