#include "measure_tool.h"

#include <QMouseEvent>
#include <cmath>

#include "measuring_line.h"
#include "picture_box.h"
#include "plane_note.h"
#include "real_sizes.h"
#include "stretch_image.h"
#include "to_qstring.h"

MeasureTool::MeasureTool(PictureBox& background, StretchImage& foreground, Scale scale,
                         std::string decimalSeparator)
    : background_(background),
      scale_(std::move(scale)),
      decimalSeparator_(std::move(decimalSeparator)),
      line_(new MeasuringLine(background.contents(), QColor(0, 90, 255))),
      note_(new PlaneNote(background.contents())) {
    line_->hide();
    background.installEventFilter(this);
    background.contents()->installEventFilter(this);
    foreground.installEventFilter(this);
}

void MeasureTool::setOn(bool on) {
    on_ = on;
    pressed_ = false;
    line_->setEnds({});
    line_->setVisible(on);
    line_->raise();
    if (!on) note_->hide();
}

void MeasureTool::setZoom(double zoom) {
    line_->setZoom(zoom);
    note_->setZoom(zoom);
}

QString MeasureTool::shownLength() const { return note_->isVisible() ? note_->text() : QString(); }

QPointF MeasureTool::twipsAtGlobal(QPointF global) const {
    return background_.twipsAt(background_.contents()->mapFromGlobal(global));
}

void MeasureTool::measureTo(QPointF end) {
    line_->setEnds({float(start_.x()), float(start_.y()), float(end.x()), float(end.y())});
    const std::optional<double> mmPerTwip = scale_();
    if (!mmPerTwip) return;
    const double twips = std::hypot(end.x() - start_.x(), end.y() - start_.y());
    note_->showAt(toQString(lengthText(twips * *mmPerTwip, decimalSeparator_)), end);
}

bool MeasureTool::eventFilter(QObject* watched, QEvent* event) {
    if (!on_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            start_ = twipsAtGlobal(static_cast<QMouseEvent*>(event)->globalPosition());
            pressed_ = true;
            measureTo(start_);
            return true;
        case QEvent::MouseMove:
            if (pressed_)
                measureTo(twipsAtGlobal(static_cast<QMouseEvent*>(event)->globalPosition()));
            return true;
        case QEvent::MouseButtonRelease:
            if (pressed_)
                measureTo(twipsAtGlobal(static_cast<QMouseEvent*>(event)->globalPosition()));
            pressed_ = false;
            return true;
        default:
            return QObject::eventFilter(watched, event);
    }
}
