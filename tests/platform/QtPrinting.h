#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <ostream>

// Lets GoogleTest show Qt values as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << " x " << size.height();
}

inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.width() << " x " << rect.height() << " at " << rect.x() << ", " << rect.y();
}

inline void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << colour.name().toStdString();
}
