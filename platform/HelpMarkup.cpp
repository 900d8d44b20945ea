// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpMarkup.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// What an element is, and so where it may stand.
enum Kind : unsigned {
    Words = 1 << 0,
    Phrase = 1 << 1,
    Block = 1 << 2,
    Item = 1 << 3,
    Row = 1 << 4,
    Cell = 1 << 5,
    HeadPart = 1 << 6,
    Section = 1 << 7,
    Page = 1 << 8,
};
constexpr unsigned flow = Words | Phrase | Block;

struct ElementRule {
    const char* name;
    Kind kind;
    // What it may hold; nothing for an element written without an end tag.
    unsigned holds;
    QStringList attributes;
};

// A paragraph holds only words and phrases, so that no reader closes it
// early; lists hold items, tables rows, rows cells.
const ElementRule elementRules[] = {
    {"html", Page, Section, {"lang"}},
    {"head", Section, HeadPart, {}},
    {"title", HeadPart, Words, {}},
    {"meta", HeadPart, 0, {"charset"}},
    {"body", Section, flow, {"style"}},
    {"p", Block, Words | Phrase, {"style"}},
    {"ul", Block, Item, {"style"}},
    {"ol", Block, Item, {"style"}},
    {"li", Item, flow, {"style"}},
    {"table", Block, Row, {"cellpadding", "border"}},
    {"tr", Row, Cell, {}},
    {"td", Cell, flow, {"style"}},
    {"hr", Block, 0, {}},
    {"br", Phrase, 0, {}},
    {"a", Phrase, Words | Phrase, {"href", "name"}},
    {"b", Phrase, Words | Phrase, {}},
    {"i", Phrase, Words | Phrase, {}},
    {"span", Phrase, Words | Phrase, {"style"}},
};
// The file itself, which may also be a bare fragment of a body.
const ElementRule wholeFile{"", Page, Page | flow, {}};

// An attribute's or a style's value: the whole of it matches the pattern,
// and a number it captures lies within the bounds.
struct ValueRule {
    const char* name;
    QRegularExpression pattern;
    int lowest = 0;
    int highest = 0;
};

const ValueRule attributeRules[] = {
    {"lang", QRegularExpression(QStringLiteral("[a-z]{2,3}(?:-[A-Za-z]{2,4})?"))},
    {"charset", QRegularExpression(QStringLiteral("utf-8"), QRegularExpression::CaseInsensitiveOption)},
    {"href", QRegularExpression(QStringLiteral("#[A-Za-z0-9_-]{1,40}"))},
    {"name", QRegularExpression(QStringLiteral("[A-Za-z0-9_-]{1,40}"))},
    {"cellpadding", QRegularExpression(QStringLiteral("([0-9]{1,2})")), 0, 20},
    {"border", QRegularExpression(QStringLiteral("([0-9]{1,2})")), 0, 20},
};

// The styles of the help page, each within sizes a page of help needs.
const ValueRule styleRules[] = {
    {"font-size", QRegularExpression(QStringLiteral("([0-9]{1,2})pt")), 8, 36},
    {"font-weight", QRegularExpression(QStringLiteral("bold|normal"))},
    {"color", QRegularExpression(QStringLiteral("#[0-9a-fA-F]{6}"))},
    {"background-color", QRegularExpression(QStringLiteral("#[0-9a-fA-F]{6}"))},
    {"margin-top", QRegularExpression(QStringLiteral("([0-9]{1,2})px")), 0, 48},
};

constexpr int mostElements = 1000;
constexpr qsizetype deepest = 16;
constexpr qsizetype deepestTables = 4;

bool keeps(const ValueRule* begin, const ValueRule* end, const QString& name, const QString& value)
{
    const ValueRule* rule = std::find_if(begin, end, [&](const ValueRule& r) { return name == r.name; });
    if (rule == end)
        return false;
    const QRegularExpressionMatch match =
        rule->pattern.match(value, 0, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch() || match.capturedLength() != value.size())
        return false;
    return match.lastCapturedIndex() < 1
        || (match.captured(1).toInt() >= rule->lowest && match.captured(1).toInt() <= rule->highest);
}

bool styleKeeps(const QString& style)
{
    const QStringList declarations = style.split(u';', Qt::SkipEmptyParts);
    return std::all_of(declarations.begin(), declarations.end(), [](const QString& declaration) {
        const QString name = declaration.section(u':', 0, 0).trimmed();
        const QString value = declaration.section(u':', 1).trimmed();
        return keeps(std::begin(styleRules), std::end(styleRules), name, value);
    });
}

bool attributeKeeps(const ElementRule& element, const QString& name, const QString& value)
{
    if (!element.attributes.contains(name))
        return false;
    return name == QLatin1String("style") ? styleKeeps(value)
                                          : keeps(std::begin(attributeRules), std::end(attributeRules), name, value);
}

// Words with the four characters markup needs written as entities; any other
// "&" is refused. The words come back with "<", ">" and "&" written afresh.
std::optional<QString> plainWords(QStringView text)
{
    static const QStringList entities{"&amp;", "&lt;", "&gt;", "&quot;"};
    static const QString characters = QStringLiteral("&<>\"");
    QString words;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] != u'&') {
            words += text[at];
            continue;
        }
        const auto entity = std::find_if(entities.begin(), entities.end(),
                                         [&](const QString& e) { return text.sliced(at).startsWith(e); });
        if (entity == entities.end())
            return std::nullopt;
        words += characters[entity - entities.begin()];
        at += entity->size() - 1;
    }
    return words.toHtmlEscaped();
}

class Reader {
public:
    std::optional<QString> read(QStringView page);

private:
    bool startTag(const QRegularExpressionMatch& tag);
    bool endTag(const QString& name);
    bool words(QStringView text);

    std::vector<const ElementRule*> open_{&wholeFile};
    int elements_ = 0;
    bool showsWords_ = false;
    QString written_;
};

bool Reader::startTag(const QRegularExpressionMatch& tag)
{
    const QString name = tag.captured(1).toLower();
    const auto rule = std::find_if(std::begin(elementRules), std::end(elementRules),
                                   [&](const ElementRule& r) { return name == r.name; });
    if (rule == std::end(elementRules) || !(open_.back()->holds & rule->kind) || ++elements_ > mostElements)
        return false;
    const bool selfClosed = tag.captured(0).endsWith(QLatin1String("/>"));
    if (selfClosed && rule->holds != 0)
        return false;
    written_ += u'<' + name;
    static const QRegularExpression attribute(QStringLiteral("\\s+([a-zA-Z-]+)=\"([^\"<>]*)\""));
    QStringList seen;
    for (const QRegularExpressionMatch& match : attribute.globalMatch(tag.captured(2))) {
        const QString attributeName = match.captured(1).toLower();
        if (seen.contains(attributeName) || !attributeKeeps(*rule, attributeName, match.captured(2)))
            return false;
        seen << attributeName;
        written_ += QStringLiteral(" %1=\"%2\"").arg(attributeName, match.captured(2));
    }
    written_ += u'>';
    if (rule->holds == 0)
        return true;
    open_.push_back(&*rule);
    const auto tables = std::count_if(open_.begin(), open_.end(),
                                      [](const ElementRule* r) { return r->name == std::string_view("table"); });
    // The whole file counts as no element.
    return qsizetype(open_.size()) - 1 <= deepest && tables <= deepestTables;
}

bool Reader::endTag(const QString& name)
{
    if (open_.size() < 2 || name.toLower() != open_.back()->name)
        return false;
    written_ += QStringLiteral("</%1>").arg(open_.back()->name);
    open_.pop_back();
    return true;
}

// Blank text goes anywhere and is kept where words may stand; words only
// where their element holds words. A title's words are not shown.
bool Reader::words(QStringView text)
{
    const bool blank = text.trimmed().isEmpty();
    const bool held = open_.back()->holds & Words;
    if (!held)
        return blank;
    const std::optional<QString> plain = plainWords(text);
    if (!plain)
        return false;
    showsWords_ = showsWords_ || (!blank && open_.back()->kind != HeadPart);
    written_ += *plain;
    return true;
}

std::optional<QString> Reader::read(QStringView page)
{
    using RE = QRegularExpression;
    static const RE comment(QStringLiteral("<!--.*?-->"), RE::DotMatchesEverythingOption);
    static const RE doctype(QStringLiteral("<!doctype\\s+html\\s*>"), RE::CaseInsensitiveOption);
    static const RE endTag(QStringLiteral("</([a-zA-Z][a-zA-Z0-9]*)\\s*>"));
    static const RE startTag(QStringLiteral("<([a-zA-Z][a-zA-Z0-9]*)((?:\\s+[a-zA-Z-]+=\"[^\"<>]*\")*)\\s*/?>"));
    static const RE text(QStringLiteral("[^<]+"));
    const auto at = [&](const RE& pattern, qsizetype offset) {
        return pattern.match(page, offset, RE::NormalMatch, RE::AnchorAtOffsetMatchOption);
    };
    qsizetype offset = 0;
    while (offset < page.size()) {
        QRegularExpressionMatch match;
        bool kept = false;
        if ((match = at(text, offset)).hasMatch())
            kept = words(match.capturedView(0));
        else if ((match = at(comment, offset)).hasMatch() || (match = at(doctype, offset)).hasMatch())
            kept = true;
        else if ((match = at(endTag, offset)).hasMatch())
            kept = this->endTag(match.captured(1));
        else if ((match = at(startTag, offset)).hasMatch())
            kept = this->startTag(match);
        if (!kept)
            return std::nullopt;
        offset = match.capturedEnd(0);
    }
    if (open_.size() != 1 || !showsWords_)
        return std::nullopt;
    return written_;
}

} // namespace

std::optional<QString> HelpMarkup(QStringView page)
{
    return Reader().read(page);
}
