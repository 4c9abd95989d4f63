// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <QString>
#include <optional>

class KeepingDialogs;
class QByteArray;
struct WriteResult;
class QWidget;
class RoomDocument;
struct PlanDrawing;

// The arrangement shown to others: written as a picture at the background's own pixels (PNG,
// JPEG, TIFF or WebP, as the name's ending says) or as a PDF at a real-world scale, printed at
// that scale, or copied as a picture.
class ArrangementOutput {
public:
    ArrangementOutput(QWidget& window, const RoomDocument& room, KeepingDialogs& dialogs)
        : window_(window), room_(room), dialogs_(dialogs) {}

    // Asks for the file; its ending says the format.
    void exportFile();
    void print();
    void copy();

private:
    PlanDrawing drawing() const;
    // What a pixel of the background stands for; reports and is empty while it has no scale.
    std::optional<double> mmPerPixel();
    // The scale the user picks, the one that fits `pageMm` offered first.
    std::optional<int> chooseScale(double mmPerPixel, QSizeF pageMm);
    void writePicture(const QString& path, const QByteArray& format);
    void writePdf(const QString& path);
    void report(const QString& path, const WriteResult& written);

    QWidget& window_;
    const RoomDocument& room_;
    KeepingDialogs& dialogs_;
};
