// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ErrorBox.h"
#include "platform/FileOpenError.h"

#include <exception>
#include <utility>

// Runs one event handler's body. A failure shows an error box and skips the
// rest of the body; the program carries on, and no exception ever reaches
// Qt's event loop.
template <class Body>
void RunGuarded(Body&& body)
{
    try {
        std::forward<Body>(body)();
    } catch (const FileOpenError& error) {
        ShowErrorBox(error.message());
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    }
}
