#pragma once

#include "form_controls.h"
#include "window_port.h"

class QWidget;

// The workflow's view of the window, carried out on the real controls.
class QtWindowPort : public WindowPort {
public:
    QtWindowPort(QWidget& form, const FormControls& controls) : form_(form), c_(controls) {}

    void setTitle(std::string_view title) override;
    std::string text(port::TextBox box) const override;
    void setText(port::TextBox box, std::string_view text) override;
    void setCaption(port::Label label, std::string_view caption) override;
    void setStatusColor(Rgb color) override;
    void setEnabled(port::Control control, bool enabled) override;
    void giveFocus(port::TextBox box) override;
    void setLine(const LineEnds& ends) override;
    float foreground(port::Extent extent) const override;
    void setForeground(port::Extent extent, float twips) override;

private:
    QLineEdit* box(port::TextBox box) const;

    QWidget& form_;
    const FormControls& c_;
};
