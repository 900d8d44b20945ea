#pragma once

#include <QPixmap>
#include <QPushButton>

// A raised button that never takes the keyboard focus, with a caption or a
// picture set against its left edge.
class SpeedButton : public QPushButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    void SetGlyph(const QPixmap& glyph);
    const QPixmap& Glyph() const { return glyph_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap glyph_;
};
