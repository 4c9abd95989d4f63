#pragma once

#include <QWidget>

#include <memory>

#include "arrangement_keeper.h"
#include "arrangement_output.h"
#include "command_router.h"
#include "form_controls.h"
#include "furnishing.h"
#include "measure_tool.h"
#include "picture_area.h"
#include "picture_opener.h"
#include "pointer_router.h"
#include "qt_number_locale.h"
#include "qt_window_port.h"
#include "sharpening.h"
#include "tilt_warning.h"
#include "workflow.h"

class KeepingDialogs;
class ViewTools;
class PlaneNote;

// The program's one window. It builds its parts and connects them; the parts decide.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The window owns the picture dialogs; without them it uses the real file dialog and
    // warnings. The keeping dialogs are the window's own only when it makes them.
    explicit MainWindow(PictureDialogs* dialogs = nullptr, const QLocale& locale = QLocale(),
                        KeepingDialogs* keepingDialogs = nullptr);
    ~MainWindow() override;

    const WorkflowState& workflowState() const { return workflow_.state(); }
    const FormControls& controls() const { return controls_; }
    const PictureArea& area() const { return area_; }
    const MeasureTool& measure() const { return measure_; }
    // The bar of the view's and the foreground's commands.
    const ViewTools& viewTools() const { return commands_.bar(); }
    // The warning beside a calibration line that lies off level.
    const PlaneNote& tiltNote() const { return tilt_.note(); }

    // Opens a background as the first "..." button does once its dialog has chosen the file,
    // or the arrangement, if the file is one.
    void openBackground(const QString& path) { opener_.openBackground(path); }
    const ArrangementKeeper& keeper() const { return keeper_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectForm();
    WindowSnapshot::Parts snapshotParts();

    PictureArea area_;
    FormControls controls_;
    QtWindowPort port_;
    QtNumberLocale locale_;
    Workflow workflow_;
    Sharpening sharpening_;
    PictureOpener opener_;
    Furnishing furnishing_;
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
