// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

#include "arrangement_keeper.h"
#include "arrangement_output.h"
#include "command_router.h"
#include "drawing_detail.h"
#include "form_controls.h"
#include "form_view.h"
#include "furnishing.h"
#include "measure_tool.h"
#include "picture_area.h"
#include "picture_opener.h"
#include "piece_sharpening.h"
#include "plan_scale.h"
#include "pointer_router.h"
#include "qt_number_locale.h"
#include "room_document.h"
#include "sharpening.h"
#include "tilt_warning.h"

class KeepingDialogs;
class CommandBar;
class PictureStatus;
class PlaneNote;

// The program's one window. It builds its parts and connects them; the room holds what the user
// makes, the parts show it and act on it.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The window owns the picture dialogs; without them it uses the real file dialog and
    // warnings. The keeping dialogs are the window's own only when it makes them.
    explicit MainWindow(PictureDialogs* dialogs = nullptr, const QLocale& locale = QLocale(),
                        KeepingDialogs* keepingDialogs = nullptr);
    ~MainWindow() override;

    const RoomDocument& room() const { return room_; }
    RoomDocument& room() { return room_; }
    const WorkflowState& workflowState() const { return room_.state(); }
    const FormControls& controls() const { return controls_; }
    const PictureArea& area() const { return area_; }
    const MeasureTool& measure() const { return measure_; }
    // The bar of the commands beyond the described controls.
    const CommandBar& commandBar() const { return commands_.bar(); }
    // What a press on the picture means now, where a command changed it.
    const PictureStatus& status() const { return commands_.status(); }
    // The warning beside a calibration line that lies off level.
    const PlaneNote& tiltNote() const { return tilt_.note(); }

    // Opens a background as the first "..." button does once its dialog has chosen the file,
    // or the arrangement, if the file is one.
    void openBackground(const QString& path, std::optional<int> page = std::nullopt) {
        opener_.openBackground(path, page);
    }
    void prepareToRead() { opener_.prepareToRead(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QtNumberLocale locale_;
    RoomDocument room_;
    PictureArea area_;
    FormControls controls_;
    FormView form_;
    Sharpening sharpening_;
    PictureOpener opener_;
    Furnishing furnishing_;
    PlanScale planScale_;
    PieceSharpening pieceSharpening_;
    DrawingDetail drawingDetail_;
    std::unique_ptr<KeepingDialogs> ownKeepingDialogs_;
    KeepingDialogs& keepingDialogs_;
    ArrangementKeeper keeper_;
    ArrangementOutput output_;
    MeasureTool measure_;
    PointerRouter pointer_;
    CommandRouter commands_;
    TiltWarning tilt_;
    bool centred_ = false;
};
