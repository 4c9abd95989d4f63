// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure_tool.h"

#include <cmath>

#include "measuring_line.h"
#include "picture_area.h"
#include "plane_note.h"
#include "real_sizes.h"
#include "to_qstring.h"

MeasureTool::MeasureTool(QWidget& plane, const PictureArea& area, Scale scale,
                         std::string decimalSeparator)
    : scale_(std::move(scale)),
      decimalSeparator_(std::move(decimalSeparator)),
      line_(new MeasuringLine(&plane, area.zoom(), QColor(0, 90, 255))),
      note_(new PlaneNote(&plane, area)) {
    line_->hide();
}

void MeasureTool::setOn(bool on) {
    on_ = on;
    pressed_ = false;
    line_->setEnds({});
    line_->setVisible(on);
    line_->raise();
    if (!on) note_->hide();
}

QString MeasureTool::shownLength() const { return note_->isVisible() ? note_->text() : QString(); }

void MeasureTool::press(QPointF at) {
    start_ = at;
    pressed_ = true;
    measureTo(at);
}

void MeasureTool::move(QPointF to) {
    if (pressed_) measureTo(to);
}

void MeasureTool::release(QPointF at) {
    if (pressed_) measureTo(at);
    pressed_ = false;
}

void MeasureTool::measureTo(QPointF end) {
    line_->setEnds({float(start_.x()), float(start_.y()), float(end.x()), float(end.y())});
    const std::optional<double> mmPerTwip = scale_();
    if (!mmPerTwip) return;
    const double twips = std::hypot(end.x() - start_.x(), end.y() - start_.y());
    note_->showAt(toQString(lengthText(twips * *mmPerTwip, decimalSeparator_)), end);
}
