#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>
#include <string>

class MeasuringLine;
class PictureBox;
class PlaneNote;
class StretchImage;

// Measures a length on the background: a press, a drag and a release on the picture show the
// line and its length in millimetres by the background's scale, in any direction. While it is
// on it takes the picture's pointer input, so the workflow sees none of it.
class MeasureTool : public QObject {
    Q_OBJECT
public:
    using Scale = std::function<std::optional<double>()>;  // millimetres a twip, if known
    MeasureTool(PictureBox& background, StretchImage& foreground, Scale scale,
                std::string decimalSeparator);

    bool isOn() const { return on_; }
    // Off takes the line and its length away.
    void setOn(bool on);
    void setZoom(double zoom);

    // The length last shown, as the note reads it ("" before a drag).
    QString shownLength() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointF twipsAtGlobal(QPointF global) const;
    void measureTo(QPointF end);

    PictureBox& background_;
    Scale scale_;
    std::string decimalSeparator_;
    MeasuringLine* line_;
    PlaneNote* note_;
    bool on_ = false;
    bool pressed_ = false;
    QPointF start_;
};
