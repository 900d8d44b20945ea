#include "platform/ApplicationTitle.h"

namespace {
QString& title()
{
    static QString value;
    return value;
}
} // namespace

void SetApplicationTitle(const QString& newTitle)
{
    title() = newTitle;
}

QString ApplicationTitle()
{
    return title();
}
