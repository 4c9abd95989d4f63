// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "control_table.h"
#include "gate_frame.h"
#include "measuring_line.h"
#include "picture_box.h"
#include "room_document.h"
#include "to_qstring.h"

namespace {

TwipRect twipsOf(std::string_view control) {
    const ControlRow& row = controlRow(control);
    return {float(row.left), float(row.top), float(row.width), float(row.height)};
}

bool initiallyEnabled(std::string_view control) {
    return controlRow(control).initially != Initially::Disabled;
}

}  // namespace

Room roomAsDescribed() {
    Room room;
    room.background.box = twipsOf("Picture1");
    room.furniture.foreground.twips = twipsOf("Image1");
    room.sizer.box = twipsOf("Picture2");
    FormRecord& form = room.form;
    for (const port::Label label :
         {port::Label::Label1, port::Label::Label2, port::Label::Label3}) {
        const char* names[] = {"Label1", "Label2", "Label3"};
        form.captions[std::size_t(label)] = controlRow(names[int(label)]).text;
    }
    const char* controls[] = {"Command1", "Command2", "Command3", "Frame2", "Text1", "Text2"};
    for (std::size_t i = 0; i < form.enabled.size(); ++i) {
        form.enabled[i] = initiallyEnabled(controls[i]);
    }
    for (int task = 1; task <= 3; ++task) {
        const std::string option = "Option" + std::to_string(task);
        if (controlRow(option).initially == Initially::Selected) form.task = task;
    }
    return room;
}

FormView::FormView(QWidget& window, const FormControls& controls, RoomDocument& room)
    : window_(window),
      c_(controls),
      room_(room),
      statusColor_(controls.Label1->palette().color(QPalette::WindowText)) {
    connect(&room, &RoomDocument::formChanged, this, &FormView::show);
    connect(&room, &RoomDocument::enabledChanged, this, &FormView::showEnabled);
    connect(&room, &RoomDocument::sizerChanged, this, &FormView::showSizer);
    connect(&room, &RoomDocument::focusWanted, this, [this](port::TextBox box) {
        (box == port::TextBox::Text1 ? c_.Text1 : c_.Text2)->setFocus(Qt::OtherFocusReason);
    });
    // What the user types and chooses is the room's: the program's own changes come back from
    // it with the boxes quiet.
    connect(c_.Text1, &QLineEdit::textChanged, this, [this](const QString& text) {
        room_.typeLength(port::TextBox::Text1, text.toStdString());
    });
    connect(c_.Text2, &QLineEdit::textChanged, this, [this](const QString& text) {
        room_.typeLength(port::TextBox::Text2, text.toStdString());
    });
    QRadioButton* const options[] = {c_.Option1, c_.Option2, c_.Option3};
    for (int task = 1; task <= 3; ++task) {
        connect(options[task - 1], &QRadioButton::clicked, this,
                [this, task] { room_.chooseTask(task); });
    }
}

void FormView::show(FormPart part) {
    const FormRecord& form = room_.form();
    const auto showText = [](QLineEdit* box, const std::string& text) {
        const QString shown = toQString(text);
        if (box->text() == shown) return;
        const QSignalBlocker quiet(box);
        box->setText(shown);
    };
    switch (part) {
        case FormPart::Title:
            window_.setWindowTitle(toQString(form.title));
            break;
        case FormPart::Text1:
            showText(c_.Text1, form.texts[0]);
            break;
        case FormPart::Text2:
            showText(c_.Text2, form.texts[1]);
            break;
        case FormPart::Label1:
        case FormPart::Label2:
        case FormPart::Label3: {
            QLabel* const labels[] = {c_.Label1, c_.Label2, c_.Label3};
            const auto label = std::size_t(int(part) - int(FormPart::Label1));
            labels[label]->setText(toQString(form.captions[label]));
            break;
        }
        case FormPart::StatusColor: {
            QPalette palette = c_.Label1->palette();
            const std::optional<Rgb> color = form.statusColor;
            palette.setColor(QPalette::WindowText,
                             color ? QColor(color->r, color->g, color->b) : statusColor_);
            c_.Label1->setPalette(palette);
            break;
        }
        case FormPart::Task: {
            QRadioButton* const options[] = {c_.Option1, c_.Option2, c_.Option3};
            options[form.task - 1]->setChecked(true);
            break;
        }
        case FormPart::Line:
            c_.Line1->setEnds(form.line);
            break;
    }
}

// Frame2 gates what is inside it rather than greying it; the others are Qt's own.
void FormView::showEnabled(port::Control control) {
    const bool enabled = room_.form().isEnabled(control);
    using enum port::Control;
    if (control == Frame2) {
        c_.Frame2->setGateOpen(enabled);
        return;
    }
    QWidget* const widget = control == Command1   ? c_.Command1
                            : control == Command2 ? c_.Command2
                            : control == Command3 ? c_.Command3
                            : control == Text1    ? static_cast<QWidget*>(c_.Text1)
                                                  : c_.Text2;
    widget->setEnabled(enabled);
}

void FormView::showSizer() {
    const SizerRecord& sizer = room_.sizer();
    c_.Picture2->showPicture(sizer.picture, false, sizer.box);
}
