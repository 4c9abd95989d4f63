#pragma once

#include <QObject>
#include <QPointF>
#include <functional>

class QMouseEvent;
class QWidget;

// Keeps the second press of a double-click from recording a second calibration point at the
// place of the first. A mouse's second press reaches a widget as a double-click event alone;
// events made by hand may bring a press before it. Either way the second press counts once,
// as a press, everywhere but where it would record a point (a quick press that begins a drag
// is a press like any other). One filter watches the whole picture area, as a
// double-click may begin on the background and end on the foreground.
class SecondPressFilter : public QObject {
public:
    // `wouldRecordPoint`: whether a press now would record a calibration point.
    explicit SecondPressFilter(std::function<bool()> wouldRecordPoint)
        : wouldRecordPoint_(std::move(wouldRecordPoint)) {}

    void watch(QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isSecondPress(const QMouseEvent& press);

    std::function<bool()> wouldRecordPoint_;
    bool armed_ = false;      // the last press may be completed to a double-click
    bool passingOn_ = false;  // a double-click is being given on as the press it stands for
    quint64 time_ = 0;
    Qt::MouseButton button_ = Qt::NoButton;
    QPointF where_;
};
