// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QMimeData>
#include <QRandomGenerator>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "picture_file_reader.h"
#include "picture_files.h"
#include "plan_files.h"
#include "unreadable_reasons.h"
#include "window_fixture.h"

using PictureLoading = WindowTest;

TEST_F(PictureLoading, TheBackgroundBoxTakesAtLeast4575TwipsAndTheWindowFitsIt) {
    struct Case {
        QSize pixels;  // the picture
        TwipRect box;  // Picture1 after the load
        QSize client;  // the window's client area, twips
    };
    const Case cases[] = {
        {{398, 265}, {2550, 30, 4575, 4575}, {7125, 4605}},  // box 6000 x 4005: both set to 4575
        {{303, 303}, {2550, 30, 4575, 4575}, {7125, 4605}},  // exactly 4575 stays
        {{598, 398}, {2550, 30, 9000, 6000}, {11550, 6030}},
        {{898, 303}, {2550, 30, 13500, 4575}, {16050, 4605}},
        {{302, 900}, {2550, 30, 4575, 4575}, {7125, 4605}},  // too narrow: cut to the square
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pixels.width());
        const QPoint corner = window->pos();
        openBackground(writePicture(QStringLiteral("bg%1.png").arg(c.pixels.width()), c.pixels));
        EXPECT_EQ(this->c().Picture1->twips(), c.box);
        EXPECT_EQ(clientTwips(), c.client) << "shrinks as readily as it grows";
        const int frameWidth = window->frameGeometry().width();
        EXPECT_EQ(window->pos(), QPoint(std::min(corner.x(), 1280 - frameWidth), corner.y()))
            << "the top-left corner stays, unless the window would then leave the screen";
        EXPECT_EQ(this->c().Picture1->picture().size(), c.pixels);
    }
    EXPECT_TRUE(dialogs->reports.empty());
}

TEST_F(PictureLoading, LoadingAPictureLeavesTheWorkflowAlone) {
    click(c().Option3);
    click(c().Picture1, {10, 10});
    click(c().Picture1, {40, 10});
    QTest::keyClicks(c().Text1, "30");
    click(c().Option1);
    const WorkflowState before = state();
    const QString label = c().Label1->text();
    openBackground(writePicture("bg.png", {500, 400}));
    openForeground(writePicture("fg.png", {50, 40}));
    EXPECT_EQ(state(), before);
    EXPECT_EQ(c().Label1->text(), label);
}

TEST_F(PictureLoading, CancellingEitherDialogChangesNothing) {
    openBackground(writePicture("bg.png", {500, 400}));
    const qint64 picture = c().Picture1->picture().cacheKey();
    const QSize client = clientTwips();
    openBackground(QString());  // cancelled
    EXPECT_EQ(dialogs->asked, 2);
    EXPECT_EQ(c().Picture1->picture().cacheKey(), picture);
    EXPECT_EQ(clientTwips(), client);

    openForeground(writePicture("fg.png", {50, 40}));
    press(c().Image1, {10, 10});
    move(c().Image1, {40, 30});
    release(c().Image1, {40, 30});
    const TwipRect dragged = c().Image1->twips();
    const qint64 foreground = c().Image1->picture().cacheKey();
    openForeground(QString());
    EXPECT_EQ(dialogs->asked, 4);
    EXPECT_EQ(c().Image1->twips(), dragged) << "not even moved to the corner";
    EXPECT_EQ(c().Image1->picture().cacheKey(), foreground);
    EXPECT_TRUE(dialogs->reports.empty()) << "a cancel is no error";
}

TEST_F(PictureLoading, AForegroundGoesToTheCornerAtTheSizePictureTwoTakes) {
    openForeground(writePicture("fg.png", {100, 60}));  // before any background
    EXPECT_EQ(c().Image1->twips(), (TwipRect{0, 0, 1530, 930}));
    EXPECT_EQ(c().Picture2->twips().width, 1530);
    EXPECT_EQ(c().Image1->picture().cacheKey(), c().Picture2->picture().cacheKey())
        << "decoded once and shared";

    // Dragged and resized, then replaced.
    press(c().Image1, {10, 10});
    move(c().Image1, {40, 30});
    release(c().Image1, {40, 30});
    TwipRect wider = c().Image1->twips();
    wider.width = 4000;
    window->room().setForegroundTwips(wider);
    ASSERT_NE(c().Image1->twips().left, 0);
    const WorkflowState before = state();
    dialogs->answers.push_back(writePicture("fg2.png", {20, 10}));
    click(c().Command2);
    EXPECT_EQ(c().Image1->twips(), (TwipRect{0, 0, 330, 180}));
    EXPECT_EQ(state(), before);
}

// Every other format has its kinds in the picture corpus.
TEST_F(PictureLoading, IconsAndTheFirstFrameOfAGifOpen) {
    const ReadPicture icon = readPictureFile(writePicture("p.ico", {48, 32}, Qt::red, "ico"));
    EXPECT_EQ(icon.problem, PictureProblem::None);
    EXPECT_EQ(icon.image.size(), QSize(48, 32));
    const QString gif = dir.filePath("two.gif");
    ASSERT_TRUE(picture_files::write(gif, picture_files::twoFrameGif()));
    const ReadPicture first = readPictureFile(gif);
    ASSERT_EQ(first.problem, PictureProblem::None);
    EXPECT_EQ(first.image.size(), QSize(4, 3));
    EXPECT_EQ(first.image.pixelColor(0, 0), QColor(Qt::red)) << "the first frame";
}

TEST_F(PictureLoading, APhotoIsShownUprightByItsOrientationTag) {
    QImage landscape(40, 20, QImage::Format_RGB32);  // red left half, blue right half
    landscape.fill(Qt::blue);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) landscape.setPixelColor(x, y, Qt::red);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(landscape.save(&buffer, "JPEG", 95));
    const QString path = dir.filePath("photo.jpg");
    ASSERT_TRUE(picture_files::write(path, picture_files::withOrientation(jpeg, 6)));

    openBackground(path);  // tag 6: turn a quarter clockwise, so the left half goes on top
    const QImage& shown = c().Picture1->picture();
    ASSERT_EQ(shown.size(), QSize(20, 40));
    EXPECT_GT(shown.pixelColor(10, 5).red(), 200);
    EXPECT_GT(shown.pixelColor(10, 35).blue(), 200);
}

TEST_F(PictureLoading, ANameWithSpacesAndJapaneseOpens) {
    const QString path = writePicture(QStringLiteral("背景 写真 (1).png"), {30, 20});
    openForeground(path);
    EXPECT_TRUE(dialogs->reports.empty());
    EXPECT_EQ(c().Image1->picture().size(), QSize(30, 20));
}

namespace {

struct BadFile {
    const char* name;
    const char* reason;
};

}  // namespace

// Makes each kind of unreadable file in the directory and returns its path.
class BadFiles : public WindowTest {
protected:
    QString make(const BadFile& bad) {
        const QString path = dir.filePath(QString::fromUtf8(bad.name));
        const std::string name = bad.name;
        if (name == "missing.png") return path;
        if (name == "folder.png") {
            QDir(dir.path()).mkdir(QString::fromUtf8(bad.name));
        } else if (name == "empty.png") {
            picture_files::write(path, {});
        } else if (name == "words.png") {
            picture_files::write(path, "not a picture at all\n");
        } else if (name == "truncated.png") {
            QImage noise(300, 300, QImage::Format_RGB32);
            for (int y = 0; y < noise.height(); ++y) {
                for (int x = 0; x < noise.width(); ++x)
                    noise.setPixel(x, y, QRandomGenerator::global()->generate());
            }
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            noise.save(&buffer, "PNG");
            picture_files::write(path, bytes.left(bytes.size() / 2));
        } else if (name == "huge.png") {
            picture_files::write(path, picture_files::pngHeaderOnly(40000, 40000));
        } else if (name == "wide.png") {
            picture_files::write(path, picture_files::pngHeaderOnly(40000, 10));
        } else if (name == "pipe.png") {
#ifdef Q_OS_UNIX
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
#endif
        }
        return path;
    }
};

const char* const kNotAPicture = "画像ファイルではないか、対応していない形式です。";
const char* const kTooLarge =
    "画像が大きすぎます（幅と高さは 32767 ピクセル、全体で 1 億画素まで）。";
const BadFile kBadFiles[] = {
    {"missing.png", "ファイルが見つかりません。"},
    {"folder.png", kNotAPicture},
    {"empty.png", "ファイルが空です。"},
    {"words.png", kNotAPicture},
    {"truncated.png", "画像ファイルが壊れています。"},
    {"huge.png", kTooLarge},
    {"wide.png", kTooLarge},
    {"pipe.png", kNotAPicture},
};

TEST_F(BadFiles, ABadBackgroundIsReportedAndKeepsTheOldOne) {
    openBackground(writePicture("good.png", {400, 350}));
    const qint64 picture = c().Picture1->picture().cacheKey();
    const TwipRect box = c().Picture1->twips();
    const QSize client = clientTwips();
    for (const BadFile& bad : kBadFiles) {
        SCOPED_TRACE(bad.name);
        const QString path = make(bad);
        QElapsedTimer timer;
        timer.start();
        openBackground(path);
        EXPECT_LT(timer.elapsed(), 1000) << "refused at once";
        ASSERT_FALSE(dialogs->reports.empty());
        EXPECT_EQ(dialogs->reports.back().path, path);
        EXPECT_EQ(dialogs->reports.back().reason.toStdString(), bad.reason);
        dialogs->reports.clear();
        EXPECT_EQ(c().Picture1->picture().cacheKey(), picture);
        EXPECT_EQ(c().Picture1->twips(), box);
        EXPECT_EQ(clientTwips(), client) << "not refitted";
    }
    // The window is still usable.
    openBackground(writePicture("after.png", {598, 398}));
    EXPECT_EQ(clientTwips(), QSize(11550, 6030));
}

TEST_F(BadFiles, ABadForegroundIsReportedWithTheImageAlreadyInTheCorner) {
    openForeground(writePicture("good.png", {100, 60}));
    press(c().Image1, {10, 10});
    move(c().Image1, {50, 50});
    release(c().Image1, {50, 50});
    const qint64 picture = c().Image1->picture().cacheKey();
    for (const BadFile& bad : kBadFiles) {
        SCOPED_TRACE(bad.name);
        const QString path = make(bad);
        dialogs->answers.push_back(path);
        click(c().Command2);
        ASSERT_EQ(dialogs->reports.size(), 1u);
        EXPECT_EQ(dialogs->reports.back().path, path);
        dialogs->reports.clear();
        EXPECT_EQ(c().Image1->twips(), (TwipRect{0, 0, 1530, 930}));
        EXPECT_EQ(c().Image1->picture().cacheKey(), picture);
    }
}

TEST(PictureDialogs, TheWarningNamesTheFileOnItsOwnLine) {
    EXPECT_EQ(
        unreadableMessage("/tmp/a b.png", reasonText({{}, PictureProblem::Damaged})),
        QStringLiteral("画像を読み込めませんでした。\n/tmp/a b.png\n画像ファイルが壊れています。"));
    EXPECT_TRUE(QtPictureDialogs::pictureFilter().startsWith(QStringLiteral("画像ファイル (")));
    for (const char* pattern : {"*.png", "*.jpg", "*.jpeg", "*.bmp", "*.gif", "*.tif", "*.webp",
                                "*.ico", "*.pdf", "*.svg", "*.heic", "*.heif"}) {
        EXPECT_TRUE(QtPictureDialogs::pictureFilter().contains(QLatin1String(pattern))) << pattern;
    }
    EXPECT_FALSE(QtPictureDialogs::pictureFilter().contains(QLatin1String("*.mng")))
        << "a format the program refuses";
}

namespace {

void dropFile(QWidget* window, const QString& path, bool expectAccepted) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    const QPoint point = window->rect().center();
    QDragEnterEvent enter(point, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(window, &enter);
    EXPECT_EQ(enter.isAccepted(), expectAccepted);
    if (!enter.isAccepted()) return;
    QDropEvent drop(point, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(window, &drop);
}

}  // namespace

TEST_F(PictureLoading, ADroppedFileDoesWhatTheChosenTasksButtonWould) {
    dropFile(window.get(), writePicture("bg.png", {598, 398}), true);
    EXPECT_EQ(c().Picture1->picture().size(), QSize(598, 398));

    click(c().Option2);
    dropFile(window.get(), writePicture("fg.png", {50, 40}), true);
    EXPECT_EQ(c().Image1->picture().size(), QSize(50, 40));
    EXPECT_EQ(c().Picture1->picture().size(), QSize(598, 398));

    click(c().Option3);
    dropFile(window.get(), writePicture("other.png", {70, 70}), false);
    EXPECT_EQ(c().Image1->picture().size(), QSize(50, 40));
    EXPECT_EQ(c().Picture1->picture().size(), QSize(598, 398));
    EXPECT_EQ(dialogs->asked, 0) << "a drop asks for no file";
}

TEST_F(PictureLoading, APdfPlanAnSvgDrawingAndAHeicPhotoOpenThroughTheWindow) {
    const QString pdf = dir.filePath(QStringLiteral("plan.pdf"));
    ASSERT_TRUE(plan_files::writePdf(pdf, {595, 842}));
    openBackground(pdf);
    EXPECT_EQ(c().Picture1->picture().size(), QSize(1652, 2338)) << "A4 at 200 dpi";
    EXPECT_EQ(c().Picture1->twips(), (TwipRect{2550, 30, 24810, 35100}));
    const QImage shown = window->grab().toImage();
    EXPECT_EQ(shown.pixelColor(at(c().Picture1->contents(), {200, 100})), QColor(Qt::white))
        << "its paper is white";

    const QString heic = dir.filePath(QStringLiteral("photo.heic"));
    ASSERT_TRUE(plan_files::writeHeic(heic, 64, 48, 6));
    openForeground(heic);
    EXPECT_EQ(c().Image1->twips(), (TwipRect{0, 0, 750, 990})) << "upright, 48 x 64";

    const QString svg = dir.filePath(QStringLiteral("sofa.svg"));
    ASSERT_TRUE(picture_files::write(
        svg, R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30"/>)"));
    dialogs->answers.push_back(svg);
    click(c().Command2);
    EXPECT_EQ(c().Image1->twips(), (TwipRect{0, 0, 630, 480}));
    EXPECT_TRUE(dialogs->reports.empty());

    dialogs->answers.push_back(
        QStringLiteral(POKOTAMU_SOURCE_DIR "/tests/pictures/data/locked.pdf"));
    click(c().Command2);
    ASSERT_EQ(dialogs->reports.size(), 1u);
    EXPECT_EQ(dialogs->reports[0].reason,
              QStringLiteral("パスワードで保護された PDF は開けません。"));
}
