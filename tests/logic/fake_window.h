// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "number_locale.h"
#include "window_port.h"
#include "workflow.h"

// Records what the workflow does to the window, in order, and keeps the resulting state.
class FakeWindow : public WindowPort {
public:
    std::function<void(port::TextBox)> onChange;  // the nested change event of a text box
    std::vector<std::string> log;

    std::string title;
    std::map<port::TextBox, std::string> texts{{port::TextBox::Text1, ""},
                                               {port::TextBox::Text2, ""}};
    std::map<port::Label, std::string> captions;
    std::optional<Rgb> statusColor;  // empty: the label's initial colour
    std::map<port::Control, bool> enabled{
        {port::Control::Command1, true},  {port::Control::Command2, false},
        {port::Control::Command3, false}, {port::Control::Frame2, true},
        {port::Control::Text1, false},    {port::Control::Text2, false}};
    std::optional<port::TextBox> focus;
    LineEnds line{1, 2, 3, 4};  // not collapsed, so that collapsing shows
    std::map<port::Extent, float> image{{port::Extent::Left, 870},
                                        {port::Extent::Top, 840},
                                        {port::Extent::Width, 1275},
                                        {port::Extent::Height, 765}};

    void setTitle(std::string_view value) override {
        log.push_back("title " + std::string(value));
        title = value;
    }
    std::string text(port::TextBox box) const override { return texts.at(box); }
    void setText(port::TextBox box, std::string_view value) override {
        log.push_back(name(box) + " text '" + std::string(value) + "'");
        if (texts[box] == value) return;
        texts[box] = value;
        if (onChange) onChange(box);
    }
    void setCaption(port::Label label, std::string_view value) override {
        log.push_back(name(label) + " caption " + std::string(value));
        captions[label] = value;
    }
    void setStatusColor(Rgb color) override {
        log.push_back(color == kRed ? "Label1 red" : color == kBlack ? "Label1 black" : "Label1 ?");
        statusColor = color;
    }
    void setEnabled(port::Control control, bool value) override {
        log.push_back(name(control) + (value ? " enabled" : " disabled"));
        enabled[control] = value;
    }
    void giveFocus(port::TextBox box) override {
        log.push_back(name(box) + " focus");
        focus = box;
    }
    void setLine(const LineEnds& ends) override {
        log.push_back("line");
        line = ends;
    }
    float foreground(port::Extent extent) const override { return image.at(extent); }
    void setForeground(port::Extent extent, float twips) override {
        log.push_back("Image1 " + name(extent));
        image[extent] = twips;
    }

    // A typed text: the box changes and raises its change event, as a keystroke does.
    void type(port::TextBox box, std::string_view value) { setText(box, value); }

private:
    static std::string name(port::TextBox box) {
        return box == port::TextBox::Text1 ? "Text1" : "Text2";
    }
    static std::string name(port::Label label) {
        return label == port::Label::Label1   ? "Label1"
               : label == port::Label::Label2 ? "Label2"
                                              : "Label3";
    }
    // In the order the port declares them.
    static std::string name(port::Control control) {
        const char* const names[] = {"Command1", "Command2", "Command3",
                                     "Frame2",   "Text1",    "Text2"};
        return names[int(control)];
    }
    static std::string name(port::Extent extent) {
        const char* const names[] = {"Left", "Top", "Width", "Height"};
        return names[int(extent)];
    }
};

// Plain decimal numbers with a chosen separator, an optional sign and surrounding blanks.
class FakeLocale : public NumberLocale {
public:
    explicit FakeLocale(char separator = '.') : separator_(separator) {}

    std::optional<double> toNumber(std::string_view text) const override {
        const auto first = text.find_first_not_of(' ');
        if (first == std::string_view::npos) return std::nullopt;
        std::string number(text.substr(first, text.find_last_not_of(' ') - first + 1));
        bool digits = false;
        bool separatorSeen = false;
        for (std::size_t i = 0; i < number.size(); ++i) {
            char& c = number[i];
            if (c >= '0' && c <= '9') {
                digits = true;
            } else if (c == separator_ && !separatorSeen) {
                c = '.';
                separatorSeen = true;
            } else if (!((c == '-' || c == '+') && i == 0)) {
                return std::nullopt;
            }
        }
        if (!digits) return std::nullopt;
        return std::stod(number);
    }
    std::string decimalSeparator() const override { return std::string(1, separator_); }

private:
    char separator_;
};

// The workflow wired to the fake window as the real window wires it, after its load event.
struct Harness {
    explicit Harness(char separator = '.') : locale(separator) {
        window.onChange = [this](port::TextBox box) {
            box == port::TextBox::Text1 ? workflow.text1Change() : workflow.text2Change();
        };
        workflow.formLoad();
    }
    const WorkflowState& state() const { return workflow.state(); }

    FakeWindow window;
    FakeLocale locale;
    Workflow workflow{window, locale};
};
