#include "ControlPlacement.h"

#include "PictureBox.h"

#include <QColor>
#include <QFrame>
#include <QPalette>

const std::array<QString, 4>& ColumnNames()
{
    static const std::array<QString, 4> names{
        QStringLiteral("せんのくらい"), QStringLiteral("ひゃくのくらい"),
        QStringLiteral("じゅうのくらい"), QStringLiteral("いちのくらい")};
    return names;
}

void SetTextColour(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

PictureBox* MakeDigitPicture(QWidget* parent, const QString& name, QPoint topLeft, const QString& spokenName)
{
    auto* picture = PlaceControl(new PictureBox(parent), name, QRect(topLeft, CELL_SIZE), spokenName);
    picture->SetPicture(QPixmap(QStringLiteral(":/art/placeholder.png")));
    return picture;
}

QFrame* MakeRuleLine(QWidget* parent, QPoint topLeft)
{
    auto* line = PlaceControl(new QFrame(parent), QStringLiteral("Shape1"), QRect(topLeft, QSize(227, 4)),
                              QStringLiteral("せん"));
    // Panels paint in the button colour, which a child inherits unless told.
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::Window);
    QPalette black = line->palette();
    black.setColor(QPalette::Window, Qt::black);
    line->setPalette(black);
    return line;
}
