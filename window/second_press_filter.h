#pragma once

#include <QObject>
#include <QPointF>

class QMouseEvent;
class QWidget;

// Keeps the second press of a double-click away from the widgets it watches. Qt delivers
// that press as an ordinary press, then a double-click event that a widget takes as one more
// press by default; on the picture area neither may count as a calibration point or a drag.
// One filter watches the whole picture area, as a double-click may begin on the background
// and end on the foreground.
class SecondPressFilter : public QObject {
public:
    using QObject::QObject;

    void watch(QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isSecondPress(const QMouseEvent& press);

    bool armed_ = false;  // the last press may be completed to a double-click
    quint64 time_ = 0;
    Qt::MouseButton button_ = Qt::NoButton;
    QPointF where_;
};
