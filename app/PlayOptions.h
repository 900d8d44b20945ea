// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <variant>

class QCommandLineParser;

// The drill's own command line:
//   [--zoom F]
void AddPlayOptions(QCommandLineParser& parser);

// What --help says of them, in Japanese and English.
QString PlayUsageText();

// How the drill is asked to start.
struct PlayRequest {
    // A zoom fixed for the whole run; without one the window takes the zoom
    // that suits its screen and follows its size.
    std::optional<double> zoom;
};

// Reads the parsed options. Bad input gives one line naming the option and
// the values it takes.
std::variant<PlayRequest, QString> ReadPlayOptions(const QCommandLineParser& parser);
