// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// Thrown when a picture the program needs cannot be read. Its message is the
// one the error box shows, in the half-width katakana the program always used.
class FileOpenError : public std::runtime_error {
public:
    explicit FileOpenError(const QString& fileName);

    QString message() const;
};
