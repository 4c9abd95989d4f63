#pragma once

#include <QWidget>

#include "edge_auto_scroll.h"
#include "form_controls.h"
#include "measure_tool.h"
#include "picture_placer.h"
#include "picture_view.h"
#include "picture_zoom.h"
#include "qt_number_locale.h"
#include "qt_window_port.h"
#include "second_press_filter.h"
#include "view_tools.h"
#include "workflow.h"

// The program's one window. It builds the controls, forwards each event to the workflow
// or to picture loading, and draws; it decides nothing itself.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The window owns the dialogs; without them it uses the real file dialog and warnings.
    explicit MainWindow(PictureDialogs* dialogs = nullptr, const QLocale& locale = QLocale());

    const WorkflowState& workflowState() const { return workflow_.state(); }
    const FormControls& controls() const { return controls_; }
    const PictureZoom& zoom() const { return zoom_; }
    const MeasureTool& measure() const { return measure_; }
    // The bar of the view's and the foreground's commands.
    const ViewTools& viewTools() const { return *tools_; }
    // The warning beside a calibration line that lies off level.
    const PlaneNote& tiltNote() const { return *tiltNote_; }

    // Opens a background as the first "..." button does once its dialog has chosen the file.
    void openBackground(const QString& path) { placer_.openBackground(path); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectEvents();
    void followPointerWhileScrolling();
    void connectViewTools();
    void run(ViewCommand command);
    // Shows what follows from the workflow's state beyond the described controls: which
    // commands apply, a tilted line, the foreground's real size.
    void reflectWorkflow();
    // The foreground at its size, centred on the part of the background the view shows.
    void centreForeground();
    // A resized foreground that lies wholly outside the background box, where nothing can show
    // or reach it, comes to the centre of the background the view shows.
    void keepResizedForegroundInReach(const TwipRect& before);

    PictureView* view_;
    FormControls controls_;
    QtWindowPort port_;
    QtNumberLocale locale_;
    Workflow workflow_;
    PictureZoom zoom_;
    PicturePlacer placer_;
    SecondPressFilter secondPresses_;
    EdgeAutoScroll autoScroll_;
    ViewTools* tools_;
    MeasureTool measure_;
    PlaneNote* tiltNote_;
    bool centred_ = false;
};
