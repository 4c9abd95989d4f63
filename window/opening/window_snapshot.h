#pragma once

#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QVariant>
#include <vector>

#include "arrangement_history.h"
#include "placed_picture.h"
#include "window_port.h"
#include "workflow_state.h"

class MeasuringLine;
class PictureArea;
class PictureBox;
class QWidget;
class Workflow;

// All the window shows and the workflow holds, to take the window back to it exactly: a
// picture shown from a reduced copy whose whole pixels then cannot be read leaves the window
// as a picture that cannot be read always does, as if it had never opened.
class WindowSnapshot {
public:
    struct Parts {
        QWidget& window;
        // The controls the workflow changes: their texts, checks, colours, enabled states, and
        // a frame's gate (its "gateOpen" property).
        std::vector<QWidget*> controls;
        MeasuringLine& line;
        PictureBox& sizer;
        PictureArea& area;
        Workflow& workflow;
    };
    explicit WindowSnapshot(const Parts& parts);
    void restore(const Parts& parts) const;

private:
    struct Control {
        QPointer<QWidget> widget;
        bool enabled = true;
        bool checked = false;
        QString text;
        QPalette palette;
        QVariant gateOpen;
    };

    WorkflowState state_;
    std::vector<Control> controls_;
    LineEnds line_;
    QImage background_;
    bool backgroundOnWhite_ = false;
    TwipRect backgroundBox_;
    QString backgroundFile_;
    TwipRect sizerBox_;
    QImage sizerPicture_;
    PlacedPicture foreground_;
    bool foregroundShown_ = false;
    std::vector<PlacedPicture> pieces_;
    ArrangementHistory::Steps steps_;
    double level_ = 1;
    QPoint scrolled_;
    QSize windowSize_;
    QPoint windowPlace_;
    QPointer<QWidget> focus_;
};
