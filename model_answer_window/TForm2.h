// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/WorkedAnswer.h"
#include "widgets/ColumnBuilder.h"

#include <QWidget>

#include <array>

class Panel;
class PictureBox;
class QFrame;
class QLineEdit;
class QPushButton;

// "おてほん": the worked model answer of the problem on screen, with the
// carried digits or the lowered upper digits in blue above the sum. The
// practice window shows and hides it as the session says; it shows nothing
// of what the child entered.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Draws the worked answer, its pictures read beforehand, and shows the
    // window.
    void ShowWorkedSum(const WorkedSum& sum);
    // Restored if minimised, and brought in front of the practice window.
    void BringForward();

    // The controls, by the names the tests and screen readers know them by.
    Panel* Panel1;          // the worked sum
    QLineEdit* Edit1;       // notation above the thousands to the tens
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;       // the answer, thousands to units
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    PictureBox* Image1;     // upper number, thousands to units
    PictureBox* Image2;
    PictureBox* Image3;
    PictureBox* Image4;
    PictureBox* Image5;     // the operator sign
    PictureBox* Image6;     // lower number, thousands to units
    PictureBox* Image7;
    PictureBox* Image8;
    PictureBox* Image9;
    QFrame* Shape1;         // the rule line
    QPushButton* Button1;   // "もどる"

signals:
    // "もどる" or the close box: the child puts the window away.
    void putAway();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ColumnControls<QLineEdit> columns_;
};
