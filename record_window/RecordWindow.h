// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <string_view>

class QCheckBox;
class QPushButton;
class QVBoxLayout;
class RecordStore;

// "きろく", for parents: each day's problems, first-try score and time as a
// small chart; first-try results by kind of problem and by columns; and each
// misconception named from the record, explained, with two or three of the
// child's own problems beside their worked answers and a worksheet that
// practises it. Also the parent's choices: to keep a record, to show the
// hint, and to erase the record.
class RecordWindow : public QWidget {
    Q_OBJECT
public:
    explicit RecordWindow(RecordStore& store, QWidget* parent = nullptr);

    QCheckBox* RecordingBox;
    QCheckBox* HintBox;
    QPushButton* EraseButton;

private:
    // Reads the record afresh and lays out everything below the choices.
    void Fill();
    void Erase();
    void OpenFocusedWorksheet(std::string_view id);

    RecordStore& store_;
    QVBoxLayout* content_;
};
