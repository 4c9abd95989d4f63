// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "gate_frame.h"
#include "main_window.h"
#include "measuring_line.h"
#include "paint_spy.h"
#include "picture_box.h"
#include "scripted_dialogs.h"
#include "stretch_image.h"

// A shown window with scripted dialogs, and helpers that act as a user would: through the
// window's own event routing, so that stacking, capture and gating all take part.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs = new ScriptedDialogs;  // owned by the window
        window = std::make_unique<MainWindow>(
            dialogs, QLocale(QLocale::English, QLocale::UnitedStates), dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(dir.isValid());
    }

    const FormControls& c() const { return window->controls(); }
    // The background's inner area, where its pictures and presses are.
    QWidget* background() const { return c().Picture1->contents(); }
    const WorkflowState& state() const { return window->workflowState(); }

    // A point of a control in the window's coordinates.
    QPoint at(const QWidget* widget, QPoint local) const {
        return widget->mapTo(window.get(), local);
    }

    void press(const QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window->windowHandle(), button, {}, at(widget, local));
    }
    void release(const QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(window->windowHandle(), button, {}, at(widget, local));
    }
    void click(const QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
        press(widget, local, button);
        release(widget, local, button);
    }
    void click(const QWidget* widget) { click(widget, widget->rect().center()); }
    void move(const QWidget* widget, QPoint local) {
        QTest::mouseMove(window->windowHandle(), at(widget, local));
    }
    // Typed into the box that has the focus, as a keyboard gives it.
    void type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }

    // Writes a picture of the given pixel size; the box that shows it is 2 pixels larger.
    QString writePicture(const QString& name, QSize size, QColor color = Qt::darkCyan,
                         const char* format = "PNG") {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, format)) << name.toStdString();
        return path;
    }

    void openBackground(const QString& path) {
        dialogs->answers.push_back(path);
        click(c().Command1);
    }
    // Until the pictures shown from a reduced copy are painted from their whole pixels.
    bool waitUntilSharp() const {
        return QTest::qWaitFor(
            [this] {
                return !c().Picture1->scaledPicture().waitsForPixels() &&
                       !c().Image1->scaledPicture().waitsForPixels();
            },
            20000);
    }
    void openForeground(const QString& path) {
        click(c().Option2);
        dialogs->answers.push_back(path);
        click(c().Command2);
    }
    // A white plan and a sofa, as most walks begin.
    void openPlanAndSofa(QSize plan, QSize sofa, QColor sofaColour = Qt::darkCyan) {
        openBackground(writePicture("plan.png", plan, Qt::white));
        openForeground(writePicture("sofa.png", sofa, sofaColour));
    }
    QSize clientTwips() const { return window->size() * kTwipsPerPixel; }

    QTemporaryDir dir;
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<MainWindow> window;
};

// Readable failures for Qt's strings (found by argument-dependent lookup in Qt's namespace).
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}
QT_END_NAMESPACE
