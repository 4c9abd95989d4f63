// SPDX-License-Identifier: GPL-3.0-or-later
#include "tilt_warning.h"

#include "measured_distance.h"
#include "measuring_line.h"
#include "plane_note.h"
#include "to_qstring.h"

TiltWarning::TiltWarning(const MeasuringLine& line, const PictureArea& area,
                         std::string decimalSeparator)
    : line_(line),
      decimalSeparator_(std::move(decimalSeparator)),
      note_(new PlaneNote(line.parentWidget(), area)) {}

void TiltWarning::follow(const WorkflowState& state) {
    if (const std::optional<Tilt> tilt = levelMeasureTilt(state)) {
        const LineEnds& line = line_.ends();
        note_->showAt(toQString(tiltNotice(*tilt, decimalSeparator_)), QPointF(line.x2, line.y2));
    } else {
        note_->hide();
    }
}
