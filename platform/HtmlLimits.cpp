// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HtmlLimits.h"

#include <QString>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// Elements that are never open around others: void elements, and those
// whose end tag may be left out, which the next one of their kind closes.
constexpr QLatin1StringView unnested[] = {
    QLatin1StringView("area"), QLatin1StringView("base"), QLatin1StringView("body"), QLatin1StringView("br"),
    QLatin1StringView("col"), QLatin1StringView("colgroup"), QLatin1StringView("dd"), QLatin1StringView("dt"),
    QLatin1StringView("embed"), QLatin1StringView("head"), QLatin1StringView("hr"), QLatin1StringView("html"),
    QLatin1StringView("img"), QLatin1StringView("input"), QLatin1StringView("li"), QLatin1StringView("link"),
    QLatin1StringView("meta"), QLatin1StringView("option"), QLatin1StringView("p"), QLatin1StringView("param"),
    QLatin1StringView("source"), QLatin1StringView("tbody"), QLatin1StringView("td"), QLatin1StringView("tfoot"),
    QLatin1StringView("th"), QLatin1StringView("thead"), QLatin1StringView("tr"), QLatin1StringView("wbr"),
};

const QLatin1StringView table("table");

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u':';
}

// The index just past the tag that starts at `at` (its '<'), quoted
// attribute values skipped whole.
qsizetype endOfTag(QStringView html, qsizetype at)
{
    QChar quote;
    for (qsizetype i = at + 1; i < html.size(); ++i) {
        const QChar c = html[i];
        if (!quote.isNull())
            quote = c == quote ? QChar() : quote;
        else if (c == u'"' || c == u'\'')
            quote = c;
        else if (c == u'>')
            return i + 1;
    }
    return html.size();
}

} // namespace

bool HtmlKeepsWithin(QStringView html, const HtmlLimits& limits)
{
    std::vector<QString> open;
    int elements = 0;
    qsizetype at = html.indexOf(u'<');
    while (at >= 0) {
        if (html.sliced(at).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", at + 4);
            at = end < 0 ? -1 : html.indexOf(u'<', end + 3);
            continue;
        }
        const qsizetype end = endOfTag(html, at);
        const bool closing = at + 1 < html.size() && html[at + 1] == u'/';
        const qsizetype nameStart = at + (closing ? 2 : 1);
        qsizetype nameEnd = nameStart;
        while (nameEnd < end && isNameCharacter(html[nameEnd]))
            ++nameEnd;
        const QString name = html.sliced(nameStart, nameEnd - nameStart).toString().toLower();
        if (closing) {
            const auto match = std::find(open.rbegin(), open.rend(), name);
            if (match != open.rend())
                open.erase(std::prev(match.base()), open.end());
        } else if (!name.isEmpty()) {
            const bool selfClosing = end - 2 > at && html[end - 2] == u'/';
            if (!selfClosing && std::find(std::begin(unnested), std::end(unnested), name) == std::end(unnested))
                open.push_back(name);
            const auto tables = std::count(open.begin(), open.end(), table);
            if (++elements > limits.elements || int(open.size()) > limits.depth || tables > limits.tableDepth)
                return false;
        }
        at = html.indexOf(u'<', end);
    }
    return true;
}
