#include "window_snapshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "measuring_line.h"
#include "picture_area.h"
#include "picture_box.h"
#include "picture_view.h"
#include "stretch_image.h"
#include "workflow.h"

namespace {

const char* const kGate = "gateOpen";

}  // namespace

WindowSnapshot::WindowSnapshot(const Parts& parts) : state_(parts.workflow.state()) {
    for (QWidget* widget : parts.controls) {
        Control control{widget, widget->isEnabled(), false,
                        {},     widget->palette(),   widget->property(kGate)};
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            control.checked = button->isChecked();
        } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            control.text = box->text();
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            control.text = label->text();
        }
        controls_.push_back(control);
    }
    line_ = parts.line.ends();
    const PictureBox& background = parts.area.background();
    background_ = background.picture();
    backgroundOnWhite_ = background.scaledPicture().onWhitePaper();
    backgroundBox_ = background.twips();
    backgroundFile_ = parts.area.backgroundFile();
    sizerBox_ = parts.sizer.twips();
    sizerPicture_ = parts.sizer.picture();
    const StretchImage& foreground = parts.area.foreground();
    foreground_ = foreground.placedPicture();
    foregroundShown_ = foreground.isVisibleTo(foreground.parentWidget());
    pieces_ = parts.area.pieces().all();
    steps_ = parts.area.history().steps();
    level_ = parts.area.level();
    const PictureView& view = parts.area.view();
    scrolled_ = {view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()};
    windowSize_ = parts.window.size();
    windowPlace_ = parts.window.pos();
    focus_ = QApplication::focusWidget();
}

void WindowSnapshot::restore(const Parts& parts) const {
    for (const Control& control : controls_) {
        if (!control.widget) continue;
        // The program sets them back: no handler of the user's changes runs.
        const QSignalBlocker quiet(control.widget);
        control.widget->setEnabled(control.enabled);
        control.widget->setPalette(control.palette);
        if (control.gateOpen.isValid()) control.widget->setProperty(kGate, control.gateOpen);
        if (auto* button = qobject_cast<QAbstractButton*>(control.widget.get())) {
            button->setChecked(control.checked);
        } else if (auto* box = qobject_cast<QLineEdit*>(control.widget.get())) {
            box->setText(control.text);
        } else if (auto* label = qobject_cast<QLabel*>(control.widget.get())) {
            label->setText(control.text);
        }
    }
    parts.line.setEnds(line_);
    parts.sizer.setPicture(sizerPicture_);
    parts.sizer.setTwips(sizerBox_);
    PictureArea& area = parts.area;
    area.restoreBackground(background_, backgroundOnWhite_, backgroundBox_, backgroundFile_);
    area.foreground().setPlacedPicture(foreground_);
    area.foreground().setVisible(foregroundShown_);
    area.pieces().setAll(pieces_);
    area.history().setSteps(steps_);
    parts.window.setFixedSize(windowSize_);
    parts.window.move(windowPlace_);
    area.view().reachTo(windowSize_);
    area.setLevel(level_, {0, 0});
    area.view().horizontalScrollBar()->setValue(scrolled_.x());
    area.view().verticalScrollBar()->setValue(scrolled_.y());
    if (focus_) focus_->setFocus(Qt::OtherFocusReason);
    parts.workflow.restore(state_);
}
