// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class MeasuringLine;
class PictureArea;
class PlaneNote;
class QWidget;

// Measures a length on the background: a press, a drag and a release on the picture show the
// line and its length in millimetres by the background's scale, in any direction. While it is
// on, the pointer router hands it the picture's pointer input, so the workflow sees none of it.
class MeasureTool {
public:
    using Scale = std::function<std::optional<double>()>;  // millimetres a twip, if known
    // `plane`: the background's inner area, whose origin is the twips' origin.
    MeasureTool(QWidget& plane, const PictureArea& area, Scale scale, std::string decimalSeparator);

    bool isOn() const { return on_; }
    // Off takes the line and its length away.
    void setOn(bool on);

    // Twips of the background.
    void press(QPointF at);
    void move(QPointF to);
    void release(QPointF at);

    // The length last shown, as the note reads it ("" before a drag).
    QString shownLength() const;

private:
    void measureTo(QPointF end);

    Scale scale_;
    std::string decimalSeparator_;
    MeasuringLine* line_;
    PlaneNote* note_;
    bool on_ = false;
    bool pressed_ = false;
    QPointF start_;
};
