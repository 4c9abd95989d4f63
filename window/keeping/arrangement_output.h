// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class KeepingDialogs;
struct PageChoice;
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
    // The paper chosen is kept in the room for its next pages.
    ArrangementOutput(QWidget& window, RoomDocument& room, KeepingDialogs& dialogs)
        : window_(window), room_(room), dialogs_(dialogs) {}

    // Asks for the file; its ending says the format.
    void exportFile();
    // Told each file written, with its name.
    void onWritten(std::function<void(const QString& path)> written) { written_ = std::move(written); }
    void print();
    void copy();

private:
    PlanDrawing drawing() const;
    // What a pixel of the background stands for; reports and is empty while it has no scale.
    std::optional<double> mmPerPixel();
    // The paper and scale the user picks: the room's last, or the one that fits, offered first.
    std::optional<PageChoice> choosePage(double mmPerPixel);
    void writePicture(const QString& path, const QByteArray& format);
    void writePdf(const QString& path);
    void report(const QString& path, const WriteResult& written);

    QWidget& window_;
    RoomDocument& room_;
    KeepingDialogs& dialogs_;
    std::function<void(const QString&)> written_;
};
