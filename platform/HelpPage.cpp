// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpPage.h"

#include "platform/BoundedFile.h"
#include "platform/HelpMarkup.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

// The help page is 7 KB; this leaves room for one many times larger.
constexpr qint64 largestHelpFile = 64 << 10;

std::optional<QByteArray> readHelpFile(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadBoundedFile(path, largestHelpFile);
    const QString bareName = QFileInfo(path).fileName();
    return bytes || bareName == path ? bytes : ReadBoundedFile(bareName, largestHelpFile);
}

// Text, not the bytes of a program or a picture given the help file's name.
std::optional<QString> asText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    const bool control = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c < u' ' && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f') || c == u'\x7f';
    });
    if (utf8.hasError() || control)
        return std::nullopt;
    return text;
}

} // namespace

HelpPage ReadHelpPage(const QString& path)
{
    const std::optional<QByteArray> bytes = readHelpFile(path);
    if (!bytes)
        return {};
    const std::optional<QString> text = asText(*bytes);
    const std::optional<QString> html = text ? HelpMarkup(*text) : std::nullopt;
    if (!html)
        return {HelpPage::State::Unshowable, {}};
    return {HelpPage::State::Shown, *html};
}
