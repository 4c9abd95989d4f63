// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "window_fixture.h"

namespace {

// Answers the next modal dialog of the given kind when it appears. Should it never appear,
// whatever modal is open is closed after a while, so that the test fails instead of hanging.
template <typename Dialog>
void whenModalAppears(std::function<void(Dialog*)> answer) {
    auto* timer = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(timer, &QTimer::timeout, [timer, waited, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* expected = qobject_cast<Dialog*>(modal);
        if (!expected && waited->elapsed() < 10000) return;
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (expected) {
            answer(expected);
        } else if (modal) {
            modal->close();
        }
    });
    timer->start(10);
}

// Types the name into the dialog's file name box and opens it, as a user does.
void typeAndOpen(QFileDialog* dialog, const QString& path) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog*>(dialog)->accept();  // public as a QDialog
}

QStringList filesUnder(const QString& path) {
    QStringList files;
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    return files;
}

}  // namespace

// The real file dialog and warning, with a scratch home: afterwards the home is still empty.
// The window alone keeps the dialog from saving; the test does nothing towards it.
TEST(NothingWritten, OpeningPicturesLeavesNoSettingsHistoryOrRecentFiles) {
    QTemporaryDir home;
    QTemporaryDir pictures;
    ASSERT_TRUE(home.isValid() && pictures.isValid());
    qputenv("HOME", home.path().toUtf8());
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        qunsetenv(variable);
    }

    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString good = pictures.filePath(QStringLiteral("背景 1.png"));
    ASSERT_TRUE(picture.save(good));
    {
        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

        QString dialogFilter;
        whenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
            dialogFilter = dialog->selectedNameFilter();
            typeAndOpen(dialog, good);
        });
        QTest::mouseClick(window.controls().Command1, Qt::LeftButton);
        EXPECT_EQ(window.controls().Picture1->picture().size(), QSize(120, 80));
        EXPECT_TRUE(dialogFilter.startsWith(QStringLiteral("画像ファイル")));

        QString warning;
        whenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
            whenModalAppears<QMessageBox>([&](QMessageBox* box) {
                warning = box->text();
                box->close();
            });
            typeAndOpen(dialog, pictures.filePath("missing.png"));
        });
        QTest::mouseClick(window.controls().Command1, Qt::LeftButton);
        EXPECT_TRUE(warning.contains(pictures.filePath("missing.png"))) << warning.toStdString();
    }
    EXPECT_EQ(filesUnder(home.path()), QStringList());
}
