#include <QDirIterator>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "no_saved_settings.h"
#include "window_fixture.h"

namespace {

// Answers the next modal dialog of the given kind when it appears.
template <typename Dialog>
void whenModalAppears(std::function<void(Dialog*)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start(10);
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
TEST(NothingWritten, OpeningPicturesLeavesNoSettingsHistoryOrRecentFiles) {
    QTemporaryDir home;
    QTemporaryDir pictures;
    ASSERT_TRUE(home.isValid() && pictures.isValid());
    qputenv("HOME", home.path().toUtf8());
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        qunsetenv(variable);
    }
    keepNoSettings();

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
            dialog->selectFile(good);
            static_cast<QDialog*>(dialog)->accept();  // public as a QDialog
        });
        QTest::mouseClick(window.controls().Command1, Qt::LeftButton);
        EXPECT_EQ(window.controls().Picture1->picture().size(), QSize(120, 80));
        EXPECT_TRUE(dialogFilter.startsWith(QStringLiteral("画像ファイル")));

        QString warning;
        whenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
            dialog->selectFile(pictures.filePath("missing.png"));
            whenModalAppears<QMessageBox>([&](QMessageBox* box) {
                warning = box->text();
                box->close();
            });
            static_cast<QDialog*>(dialog)->accept();  // public as a QDialog
        });
        QTest::mouseClick(window.controls().Command1, Qt::LeftButton);
        EXPECT_TRUE(warning.contains(pictures.filePath("missing.png"))) << warning.toStdString();
    }
    EXPECT_EQ(filesUnder(home.path()), QStringList());
}
