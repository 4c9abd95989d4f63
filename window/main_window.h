#pragma once

#include <QWidget>

#include "command_router.h"
#include "form_controls.h"
#include "furnishing.h"
#include "measure_tool.h"
#include "picture_area.h"
#include "picture_opener.h"
#include "pointer_router.h"
#include "qt_number_locale.h"
#include "qt_window_port.h"
#include "tilt_warning.h"
#include "workflow.h"

class ViewTools;
class PlaneNote;

// The program's one window. It builds its parts and connects them; the parts decide.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The window owns the dialogs; without them it uses the real file dialog and warnings.
    explicit MainWindow(PictureDialogs* dialogs = nullptr, const QLocale& locale = QLocale());

    const WorkflowState& workflowState() const { return workflow_.state(); }
    const FormControls& controls() const { return controls_; }
    const PictureArea& area() const { return area_; }
    const MeasureTool& measure() const { return measure_; }
    // The bar of the view's and the foreground's commands.
    const ViewTools& viewTools() const { return commands_.bar(); }
    // The warning beside a calibration line that lies off level.
    const PlaneNote& tiltNote() const { return tilt_.note(); }

    // Opens a background as the first "..." button does once its dialog has chosen the file.
    void openBackground(const QString& path) { opener_.openBackground(path); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void connectForm();

    PictureArea area_;
    FormControls controls_;
    QtWindowPort port_;
    QtNumberLocale locale_;
    Workflow workflow_;
    PictureOpener opener_;
    Furnishing furnishing_;
    MeasureTool measure_;
    PointerRouter pointer_;
    CommandRouter commands_;
    TiltWarning tilt_;
    bool centred_ = false;
};
