#include "qt_window_port.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gate_frame.h"
#include "measuring_line.h"
#include "stretch_image.h"
#include "to_qstring.h"

QLineEdit* QtWindowPort::box(port::TextBox box) const {
    return box == port::TextBox::Text1 ? c_.Text1 : c_.Text2;
}

void QtWindowPort::setTitle(std::string_view title) { form_.setWindowTitle(toQString(title)); }

std::string QtWindowPort::text(port::TextBox textBox) const {
    return box(textBox)->text().toStdString();
}

void QtWindowPort::setText(port::TextBox textBox, std::string_view text) {
    box(textBox)->setText(toQString(text));  // raises the change event at once
}

void QtWindowPort::setCaption(port::Label label, std::string_view caption) {
    QLabel* target = label == port::Label::Label1   ? c_.Label1
                     : label == port::Label::Label2 ? c_.Label2
                                                    : c_.Label3;
    target->setText(toQString(caption));
}

void QtWindowPort::setStatusColor(Rgb color) {
    QPalette palette = c_.Label1->palette();
    palette.setColor(QPalette::WindowText, QColor(color.r, color.g, color.b));
    c_.Label1->setPalette(palette);
}

void QtWindowPort::setEnabled(port::Control control, bool enabled) {
    switch (control) {
        case port::Control::Command1:
            c_.Command1->setEnabled(enabled);
            break;
        case port::Control::Command2:
            c_.Command2->setEnabled(enabled);
            break;
        case port::Control::Command3:
            c_.Command3->setEnabled(enabled);
            break;
        case port::Control::Frame2:
            c_.Frame2->setGateOpen(enabled);
            break;
        case port::Control::Text1:
            c_.Text1->setEnabled(enabled);
            break;
        case port::Control::Text2:
            c_.Text2->setEnabled(enabled);
            break;
    }
}

void QtWindowPort::giveFocus(port::TextBox textBox) {
    box(textBox)->setFocus(Qt::OtherFocusReason);
}

void QtWindowPort::setLine(const LineEnds& ends) { c_.Line1->setEnds(ends); }

float QtWindowPort::foreground(port::Extent extent) const { return c_.Image1->extent(extent); }

void QtWindowPort::setForeground(port::Extent extent, float twips) {
    c_.Image1->setExtent(extent, twips);
}
