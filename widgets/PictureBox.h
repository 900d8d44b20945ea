// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// The toolkit's image control: shows one picture from its top-left corner,
// optionally sizing itself to it, and reports clicks and pointer moves.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Reads the BMP afresh; on a FileOpenError the box keeps what it showed.
    // Drawn at more than 1.5 screen pixels per picture pixel (a screen with
    // more pixels per point, the window's zoom, or both) it shows the
    // picture's twin drawn at double resolution ("n3@2x.bmp" beside
    // "n3.bmp") at the plain picture's size, or the plain picture where the
    // twin cannot be read. The box and its picture are scaled by the zoom.
    void LoadFromFile(const QString& bareName);
    void SetPicture(const QPixmap& picture);
    void SetAutoSize(bool on);

    QPixmap Picture() const { return picture_; }
    QString PictureFileName() const { return fileName_; }

signals:
    // A left press followed by a left release inside the box.
    void clicked();
    // The same made by a finger.
    void tapped();
    // A mouse pointer move over the box; without a button held only while
    // the box tracks the mouse. A finger makes no such move.
    void mouseMoved();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void showPicture(const QPixmap& picture);
    bool wantsTwin() const;

    QPixmap picture_;
    QString fileName_;
    bool autoSize_ = true;
    bool leftPressed_ = false;
};
