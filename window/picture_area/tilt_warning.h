// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class MeasuringLine;
class PictureArea;
class PlaneNote;
struct WorkflowState;

// The warning beside a calibration line that lies off level: shown at the line's end while a
// level calibration is measured across a tilt, and gone otherwise.
class TiltWarning {
public:
    TiltWarning(const MeasuringLine& line, const PictureArea& area, std::string decimalSeparator);

    const PlaneNote& note() const { return *note_; }
    // After every event of the workflow.
    void follow(const WorkflowState& state);

private:
    const MeasuringLine& line_;
    std::string decimalSeparator_;
    PlaneNote* note_;
};
