// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GateFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class MeasuringLine;
class PictureArea;
class PictureBox;
class PictureDialogs;
class StretchImage;

// Every control of the window, by its name in the control table.
struct FormControls {
    GateFrame* Frame1;
    GateFrame* Frame2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    PictureBox* Picture1;
    PictureBox* Picture2;
    StretchImage* Image1;
    MeasuringLine* Line1;
    PictureDialogs* CommonDialog1;
};

// Creates the controls inside the form from the control table: places, texts, initial
// states, stacking and tab order. The file dialog component is the one given. The background
// box goes on the picture area's plane, which lies in the form's coordinates and scrolls; the
// area holds the background and the foreground, and they follow its zoom.
FormControls buildControls(QWidget& form, PictureArea& area, PictureDialogs& fileDialog);
