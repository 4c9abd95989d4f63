// SPDX-License-Identifier: GPL-3.0-or-later
#include <qpa/qwindowsysteminterface.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTimer>

#include "picture_files.h"
#include "window_fixture.h"

namespace {

// The processes this one started that have not been waited for, running or not.
QList<QByteArray> children() {
    QList<QByteArray> pids;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(tasks.filePath(task + QStringLiteral("/children")));
        if (!list.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& pid : list.readAll().split(' ')) {
            if (!pid.trimmed().isEmpty()) pids += pid.trimmed();
        }
    }
    return pids;
}

// Ended, and waited for so that nothing is left of it, within a second.
bool goneSoon(const QList<QByteArray>& reading) {
    QElapsedTimer clock;
    clock.start();
    while (reading.size() == 1 && children().contains(reading[0])) {
        if (clock.elapsed() > 1000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return reading.size() == 1;
}

}  // namespace

using SlowDecoding = WindowTest;

TEST_F(SlowDecoding, ALongDecodingShowsProgressKeepsPaintingHoldsInputBackAndCancels) {
    openForeground(writePicture(QStringLiteral("fg.png"), {50, 40}));
    press(c().Image1, {10, 10});
    move(c().Image1, {60, 50});
    release(c().Image1, {60, 50});
    const qint64 foreground = c().Image1->picture().cacheKey();
    const QString runaway = dir.filePath(QStringLiteral("runaway.pdf"));
    ASSERT_TRUE(picture_files::write(runaway, picture_files::selfDrawingPdf()));

    QElapsedTimer clock;
    qint64 progressShownAt = -1, cancelledAt = -1, paintedAt = -1;
    QList<QByteArray> reading;
    QString label, button;
    c().Label1->installEventFilter(new PaintSpy(c().Label1, [&] { paintedAt = clock.elapsed(); }));
    qint64 option1HandledAt = -1;
    QObject::connect(c().Option1, &QRadioButton::clicked,
                     [&] { option1HandledAt = clock.elapsed(); });
    QTimer poll;
    bool clickedEarly = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (clock.elapsed() > 200 && paintedAt < 0) c().Label1->update();
        if (clock.elapsed() > 150 && !clickedEarly) {
            clickedEarly = true;
            click(c().Option1);  // before any progress window: kept until the waiting is over
        }
        auto* progress = window->findChild<QProgressDialog*>();
        if (!progress || !progress->isVisible() || cancelledAt >= 0) return;
        progressShownAt = clock.elapsed();
        reading = children();
        label = progress->labelText();
        button = progress->findChild<QPushButton*>()->text();
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        cancelledAt = clock.elapsed();
    });
    poll.start(20);
    clock.start();
    dialogs->answers.push_back(runaway);
    click(c().Command2);
    const qint64 returnedAt = clock.elapsed();
    poll.stop();

    ASSERT_GE(progressShownAt, 400) << "no progress window for short decodings";
    EXPECT_LT(progressShownAt, 1500) << "but soon for long ones";
    EXPECT_EQ(label, "画像を読み込んでいます…");
    EXPECT_EQ(button, "キャンセル");
    EXPECT_LT(returnedAt - cancelledAt, 1000) << "the reader is ended at once";
    EXPECT_TRUE(goneSoon(reading)) << "and none is left behind";
    EXPECT_GE(paintedAt, 200) << "the window kept painting";
    EXPECT_LT(paintedAt, cancelledAt);
    EXPECT_TRUE(dialogs->reports.empty()) << "a cancel is no error";
    EXPECT_EQ(c().Image1->picture().cacheKey(), foreground);
    EXPECT_EQ(c().Image1->twips(), (TwipRect{0, 0, 780, 630})) << "moved to the corner first";
    EXPECT_TRUE(clickedEarly);
    EXPECT_GE(option1HandledAt, cancelledAt) << "the click made while waiting counts after it";
    EXPECT_TRUE(c().Option1->isChecked());
    EXPECT_FALSE(c().Command2->isEnabled());
    EXPECT_EQ(QApplication::activeWindow(), window.get()) << "its shortcuts work again";
}

TEST_F(SlowDecoding, ClosingTheWindowWhileTheProgressWindowIsUpEndsAtOnce) {
    const QString runaway = dir.filePath(QStringLiteral("runaway.pdf"));
    ASSERT_TRUE(picture_files::write(runaway, picture_files::selfDrawingPdf()));
    QElapsedTimer clock;
    qint64 closedAt = -1;
    QList<QByteArray> reading;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* progress = window->findChild<QProgressDialog*>();
        if (closedAt >= 0 || !progress || !progress->isVisible()) return;
        closedAt = clock.elapsed();
        reading = children();
        // What the window manager's close button asks for.
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window->windowHandle());
    });
    poll.start(20);
    clock.start();
    openBackground(runaway);
    const qint64 returnedAt = clock.elapsed();
    poll.stop();
    ASSERT_GE(closedAt, 0) << "the progress window never appeared";
    EXPECT_LT(returnedAt - closedAt, 1000);
    EXPECT_TRUE(goneSoon(reading)) << "no reader left behind";
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(c().Picture1->picture().isNull());
}

TEST_F(SlowDecoding, InputGivenDuringAShortLoadIsHandledAfterItInItsOrder) {
    const QString plan = dir.filePath(QStringLiteral("plan.png"));
    ASSERT_TRUE(picture_files::write(plan, picture_files::blackPng(6000, 4000)));
    bool duringTheLoad = false;
    QTimer::singleShot(20, window.get(), [&] {
        duringTheLoad = c().Picture1->picture().isNull();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          at(c().Option2, c().Option2->rect().center()));
        QTest::keyClick(window->windowHandle(), Qt::Key_Down);
    });
    openBackground(plan);
    ASSERT_TRUE(duringTheLoad) << "the picture was read too soon to test anything";
    EXPECT_EQ(c().Picture1->picture().size(), QSize(6000, 4000));
    QCoreApplication::processEvents();
    EXPECT_TRUE(c().Option3->isChecked()) << "② was chosen, then the arrow key moved on to ③";
    EXPECT_EQ(state().mode, Mode::AwaitBgStart);
}
