// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QScreen>

#include "messages.h"
#include "window_fixture.h"

namespace {

struct Expected {
    const char* name;
    const char* className;
    const char* container;
    int left, top, width, height;  // twips
    const char* text;
    const char* initially;
};

// The window description as the user is promised it.
const Expected kRows[] = {
    {"Frame1", "GateFrame", "Form1", 30, -60, 2505, 3495, "", "enabled"},
    {"Option3", "QRadioButton", "Frame1", 90, 930, 2205, 195, "③ 前景画像サイズ変更", "unchecked"},
    {"Command2", "QPushButton", "Frame1", 1950, 540, 345, 255, "...", "disabled"},
    {"Option2", "QRadioButton", "Frame1", 90, 600, 1845, 195, "② 前景画像の取得", "unchecked"},
    {"Command1", "QPushButton", "Frame1", 1950, 210, 345, 255, "...", "enabled"},
    {"Option1", "QRadioButton", "Frame1", 90, 270, 1845, 195, "① 背景画像の取得", "checked"},
    {"Frame2", "GateFrame", "Frame1", 90, 1080, 2325, 2325, "", "enabled"},
    {"Command3", "QPushButton", "Frame2", 90, 1800, 2145, 345, "変  更", "disabled"},
    {"Text2", "QLineEdit", "Frame2", 1440, 1080, 795, 270, "", "disabled"},
    {"Text1", "QLineEdit", "Frame2", 1440, 300, 795, 270, "", "disabled"},
    {"Label4", "QLabel", "Frame2", 90, 1020, 1305, 375, "前景距離              （単位：mm）",
     "enabled"},
    {"Label3", "QLabel", "Frame2", 90, 1410, 2145, 225, "1pixcel=0mm", "enabled"},
    {"Label2", "QLabel", "Frame2", 90, 630, 2145, 225, "1pixcel=0mm", "enabled"},
    {"Label6", "QLabel", "Frame2", 90, 240, 1305, 375, "背景距離              （単位：mm）",
     "enabled"},
    {"Picture2", "PictureBox", "Form1", 8040, 6000, 945, 615, "", "hidden"},
    {"Picture1", "PictureBox", "Form1", 2550, 30, 7000, 7000, "", "enabled"},
    {"Image1", "StretchImage", "Picture1", 870, 840, 1275, 765, "", "enabled"},
    {"Label1", "QLabel", "Form1", 30, 3480, 2505, 1095, "　... ボタンを押して画像を開いてください",
     "enabled"},
};

QString textOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    return {};
}

QString stateOf(QWidget* widget) {
    if (widget->isHidden()) return "hidden";
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        return option->isChecked() ? "checked" : "unchecked";
    }
    return widget->isEnabled() ? "enabled" : "disabled";
}

}  // namespace

using ControlTable = WindowTest;

TEST_F(ControlTable, EveryControlIsInItsPlaceWithItsTextAndState) {
    for (const Expected& row : kRows) {
        SCOPED_TRACE(row.name);
        auto* widget = window->findChild<QWidget*>(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), row.className);
        // Controls inside a picture box live in its inner area, and the background box lies
        // on the scrolling view's plane, which has the window's own coordinates.
        QWidget* container = widget->parentWidget();
        while (container->objectName().isEmpty() || container->objectName().startsWith("qt_")) {
            container = container->parentWidget();
        }
        EXPECT_EQ(container->objectName().toStdString(), row.container);
        // 15 twips a pixel, written here apart from the program's own constant.
        const QRect pixels(qRound(row.left / 15.0), qRound(row.top / 15.0),
                           qRound(row.width / 15.0), qRound(row.height / 15.0));
        EXPECT_EQ(widget->geometry(), pixels);
        EXPECT_EQ(textOf(widget).toStdString(), row.text);
        EXPECT_EQ(stateOf(widget).toStdString(), row.initially);
    }
    const TwipRect picture1{2550, 30, 7000, 7000};
    EXPECT_EQ(c().Picture1->twips(), picture1) << "kept in twips, not in rounded pixels";
    EXPECT_EQ(c().Image1->twips(), (TwipRect{870, 840, 1275, 765}));
    EXPECT_EQ(c().CommonDialog1->objectName(), "CommonDialog1");
    EXPECT_EQ(c().Line1->objectName(), "Line1");
    EXPECT_EQ(c().Line1->ends(), kCollapsedLine);
}

TEST_F(ControlTable, TheWindowOpensCentredFixedAndTitled) {
    EXPECT_EQ(window->windowTitle(), "ポコタム");
    EXPECT_EQ(clientTwips(), QSize(9585, 7050));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the user cannot resize it";
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 1);
    EXPECT_TRUE(window->windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST_F(ControlTable, StartsInTheStateTheUserIsPromised) {
    EXPECT_EQ(state(), WorkflowState{});
    EXPECT_TRUE(c().Frame1->isGateOpen());
    EXPECT_TRUE(c().Frame2->isGateOpen()) << "open, while all inside is disabled by its own state";
    EXPECT_EQ(c().Label1->text().toStdString(), MsgOpenPrompt);
    EXPECT_EQ(c().Label1->palette().color(QPalette::WindowText),
              QApplication::palette(c().Label1).color(QPalette::WindowText));
    EXPECT_TRUE(c().Picture1->picture().isNull());
    EXPECT_TRUE(c().Picture2->picture().isNull());
    EXPECT_TRUE(c().Image1->picture().isNull());
    EXPECT_EQ(QApplication::focusWidget(), c().Picture1);
    EXPECT_FALSE(c().Command1->isDefault() || c().Command1->autoDefault());
    EXPECT_FALSE(c().Command3->isDefault() || c().Command3->autoDefault());
}

TEST_F(ControlTable, StackingPutsTheLineOverTheForegroundAndOptionThreeOverFrameTwo) {
    const QObjectList inPicture = c().Image1->parentWidget()->children();
    EXPECT_GT(inPicture.indexOf(c().Line1), inPicture.indexOf(c().Image1)) << "later is in front";
    const QObjectList inFrame = c().Frame1->children();
    EXPECT_GT(inFrame.indexOf(c().Option3), inFrame.indexOf(c().Frame2));
    EXPECT_TRUE(c().Line1->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(c().Option3->geometry().bottom() - c().Frame2->geometry().top() + 1, 3)
        << "Option3 reaches 45 twips into Frame2";
}

TEST_F(ControlTable, TabVisitsTheControlsInTheirOrder) {
    click(c().Option3);
    c().Text1->setEnabled(true);
    c().Text2->setEnabled(true);
    c().Command3->setEnabled(true);
    c().Picture1->setFocus();
    std::vector<std::string> visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    // The option group is one stop, at its selected button.
    EXPECT_EQ(visited, (std::vector<std::string>{"Option3", "Text1", "Text2", "Command3",
                                                 "Picture1", "Option3", "Text1"}));
}

TEST_F(ControlTable, PictureTwoStaysHiddenThroughLoading) {
    openForeground(writePicture("fg.png", {40, 30}));
    EXPECT_TRUE(c().Picture2->isHidden());
    EXPECT_FALSE(c().Picture2->isVisible());
    EXPECT_EQ(c().Picture2->twips(), (TwipRect{8040, 6000, 630, 480}));
}

TEST_F(ControlTable, ClosingEndsInAnyStateWithoutAQuestion) {
    press(c().Image1, {5, 5});
    ASSERT_EQ(state().dragging, kFlagTrue) << "a drag under way";
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
