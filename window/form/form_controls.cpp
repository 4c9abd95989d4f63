// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <map>
#include <vector>

#include "control_table.h"
#include "gate_frame.h"
#include "measuring_line.h"
#include "picture_area.h"
#include "picture_box.h"
#include "picture_dialogs.h"
#include "stretch_image.h"
#include "to_qstring.h"

namespace {

TwipRect twipsOf(const ControlRow& row) {
    return {float(row.left), float(row.top), float(row.width), float(row.height)};
}

QLabel* makeLabel(QWidget* parent, Look look) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setFocusPolicy(Qt::NoFocus);
    if (look == Look::Readout) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Base);
        label->setForegroundRole(QPalette::Text);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return label;
}

QWidget* makeControl(const ControlRow& row, QWidget* parent, const PictureArea& area,
                     PictureDialogs& fileDialog) {
    switch (row.kind) {
        case ControlKind::Frame: {
            auto* frame = new GateFrame(parent);
            frame->setFocusPolicy(Qt::NoFocus);
            return frame;
        }
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(toQString(row.text), parent);
            option->setChecked(row.initially == Initially::Selected);
            // In front of the frame it reaches into, as a control of the window is: its own
            // background hides the frame's edge behind it.
            option->setAutoFillBackground(true);
            return option;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(toQString(row.text), parent);
            button->setAutoDefault(false);  // Enter and Escape press no button
            button->setDefault(false);
            button->setEnabled(row.initially != Initially::Disabled);
            return button;
        }
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(parent);
            box->setEnabled(row.initially != Initially::Disabled);
            return box;
        }
        case ControlKind::Label: {
            QLabel* label = makeLabel(parent, row.look);
            label->setText(toQString(row.text));
            return label;
        }
        case ControlKind::PictureBox: {
            // Only the box on the plane zooms.
            const bool onPlane = row.placement == Placement::OnPicturePlane;
            auto* box = new PictureBox(parent, onPlane ? &area.zoom() : nullptr);
            box->setTwips(twipsOf(row));
            box->setVisible(row.initially != Initially::Hidden);
            return box;
        }
        case ControlKind::Image: {
            auto* image = new StretchImage(parent, area.zoom());
            image->setTwips(twipsOf(row));
            return image;
        }
        case ControlKind::Line:
            return new MeasuringLine(parent, area.zoom());
        case ControlKind::FileDialog:
            fileDialog.setParent(parent);
            return nullptr;
    }
    return nullptr;
}

// Picture boxes hold their controls in their inner area.
QWidget* containerOf(QWidget* widget) {
    if (auto* box = qobject_cast<PictureBox*>(widget)) return box->contents();
    return widget;
}

}  // namespace

FormControls buildControls(QWidget& form, PictureArea& area, PictureDialogs& fileDialog) {
    std::map<std::string_view, QWidget*, std::less<>> byName{{kFormName, &form}};
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : kControlTable) {
        QWidget* container = row.placement == Placement::OnPicturePlane
                                 ? area.plane()
                                 : containerOf(byName.at(row.container));
        QWidget* control = makeControl(row, container, area, fileDialog);
        QObject* named = control ? static_cast<QObject*>(control) : &fileDialog;
        named->setObjectName(toQString(row.name));
        if (!control) continue;
        if (!row.spokenName.empty()) control->setAccessibleName(toQString(row.spokenName));
        if (row.kind != ControlKind::PictureBox && row.kind != ControlKind::Image &&
            row.kind != ControlKind::Line) {
            placeWidget(*control, twipsOf(row));
        }
        // Each row lies behind the ones before it in the same container.
        control->lower();
        byName.emplace(row.name, control);
        // Frames and labels keep their tab index but never take the focus; chaining them would
        // drag their children along.
        if (row.tabIndex >= 0 && (control->focusPolicy() & Qt::TabFocus)) {
            tabOrder.emplace_back(row.tabIndex, control);
        }
    }
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }

    auto get = [&byName](std::string_view name) { return byName.at(name); };
    area.hold(*static_cast<PictureBox*>(get("Picture1")),
              *static_cast<StretchImage*>(get("Image1")));
    return FormControls{
        static_cast<GateFrame*>(get("Frame1")),     static_cast<GateFrame*>(get("Frame2")),
        static_cast<QRadioButton*>(get("Option1")), static_cast<QRadioButton*>(get("Option2")),
        static_cast<QRadioButton*>(get("Option3")), static_cast<QPushButton*>(get("Command1")),
        static_cast<QPushButton*>(get("Command2")), static_cast<QPushButton*>(get("Command3")),
        static_cast<QLineEdit*>(get("Text1")),      static_cast<QLineEdit*>(get("Text2")),
        static_cast<QLabel*>(get("Label1")),        static_cast<QLabel*>(get("Label2")),
        static_cast<QLabel*>(get("Label3")),        static_cast<QLabel*>(get("Label4")),
        static_cast<QLabel*>(get("Label6")),        static_cast<PictureBox*>(get("Picture1")),
        static_cast<PictureBox*>(get("Picture2")),  static_cast<StretchImage*>(get("Image1")),
        static_cast<MeasuringLine*>(get("Line1")),  &fileDialog,
    };
}
