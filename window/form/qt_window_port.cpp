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

// Frame2 gates what is inside it rather than greying it; the others are Qt's own.
void QtWindowPort::setEnabled(port::Control control, bool enabled) {
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

void QtWindowPort::giveFocus(port::TextBox textBox) {
    box(textBox)->setFocus(Qt::OtherFocusReason);
}

void QtWindowPort::setLine(const LineEnds& ends) { c_.Line1->setEnds(ends); }

float QtWindowPort::foreground(port::Extent extent) const { return c_.Image1->extent(extent); }

void QtWindowPort::setForeground(port::Extent extent, float twips) {
    c_.Image1->setExtent(extent, twips);
}
