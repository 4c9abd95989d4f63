// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QClipboard>
#include <QFile>
#include <QPainter>
#include <QPdfDocument>
#include <QRegularExpression>

#include "arrangement_file.h"
#include "furnished_room.h"
#include "peak_memory.h"
#include "picture_files.h"
#include "scale_pages.h"

namespace {

// What the user sees of the form and the plan, all of it compared at once.
struct Shown {
    WorkflowState state;
    Arrangement arrangement;
    QStringList texts;
    std::vector<bool> enabled;
    QSize foregroundPixels;
    bool operator==(const Shown&) const = default;
};

Shown shown(const MainWindow& window) {
    const FormControls& c = window.controls();
    WorkflowState state = window.workflowState();
    // The presses of a calibration begun anew are no one's.
    if (state.fgExactMmPerUnit == 0)
        state.fgStartX = state.fgStartY = state.fgEndX = state.fgEndY = 0;
    return {
        state,
        window.room().kept(),
        {c.Label1->text(), c.Label2->text(), c.Label3->text(), c.Text1->text(), c.Text2->text()},
        {c.Text1->isEnabled(), c.Text2->isEnabled(), c.Command1->isEnabled(),
         c.Command2->isEnabled(), c.Command3->isEnabled(), c.Frame2->isEnabled(),
         c.Option3->isChecked()},
        c.Image1->picture().size()};
}

void PrintTo(const Shown& seen, std::ostream* out) {
    const WorkflowState& s = seen.state;
    *out << "mode " << int(s.mode) << ", bg " << s.bgStartX << ' ' << s.bgEndX << ' '
         << s.bgExactMmPerUnit << ", fg " << s.fgStartX << ' ' << s.fgEndX << ' '
         << s.fgExactMmPerUnit << ' ' << s.fgResized << s.measureAlongLine << ", "
         << seen.arrangement.pieces.size() << " pieces, "
         << QString(seen.arrangement.background).toStdString() << ", "
         << (seen.arrangement.foreground ? seen.arrangement.foreground->width : -1) << ", "
         << seen.texts.join(u'|').toStdString() << ", enabled";
    for (const bool on : seen.enabled) *out << ' ' << on;
    *out << ", " << seen.foregroundPixels.width() << 'x' << seen.foregroundPixels.height();
}

QColor colourAt(const QImage& image, QPoint at) { return image.pixelColor(at); }

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
           std::abs(a.blue() - b.blue()) <= 2;
}

}  // namespace

// The furnished room of 600 x 400 pixels at a millimetre a pixel, kept and shown to others.
class KeepingARoom : public FurnishingARoom {
protected:
    void save(const QString& name) {
        dialogs->answers.push_back(dir.filePath(name));
        key(Qt::Key_S);
    }
    // A second window that opens the file as the command line does.
    std::unique_ptr<MainWindow> reopen(const QString& name, ScriptedDialogs*& itsDialogs) {
        itsDialogs = new ScriptedDialogs;
        auto reopened = std::make_unique<MainWindow>(
            itsDialogs, QLocale(QLocale::English, QLocale::UnitedStates), itsDialogs);
        reopened->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(reopened.get()));
        reopened->openBackground(dir.filePath(name));
        QApplication::setActiveWindow(window.get());  // the keys go on to the first
        return reopened;
    }
};

TEST_F(KeepingARoom, AnArrangementSavedAndOpenedAgainIsTheSameToTheTwip) {
    key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);  // a degree
    key(Qt::Key_BracketLeft);
    save("resized.pokotamu");
    ScriptedDialogs* other = nullptr;
    std::unique_ptr<MainWindow> reopened = reopen("resized.pokotamu", other);
    EXPECT_EQ(shown(*reopened), shown(*window));
    EXPECT_EQ(reopened->controls().Label1->text(), "200％ 拡大しました");
    EXPECT_TRUE(other->reports.empty());

    // A room of two pieces, the second turned, measured along the line, the files relative.
    // A phone photo, stored 60 x 80 and tagged to show turned a quarter clockwise: 80 x 60.
    QFile stored(writePicture("stored.jpg", {60, 80}, Qt::darkBlue, "JPEG"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    QFile photo(dir.filePath("table.jpg"));
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    photo.write(picture_files::withOrientation(stored.readAll(), 6));
    photo.close();
    nextPiece(photo.fileName());
    ASSERT_EQ(c().Image1->picture().size(), QSize(80, 60));
    key(Qt::Key_R);
    key(Qt::Key_T);
    save("room.pokotamu");
    QFile file(dir.filePath("room.pokotamu"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\"background\": \"plan.png\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("\"file\": \"table.jpg\"")) << text.toStdString();
    reopened = reopen("room.pokotamu", other);
    // As right after the plan's length was typed, it may still be corrected.
    EXPECT_TRUE(reopened->controls().Text1->isEnabled());
    c().Text1->setEnabled(true);
    EXPECT_EQ(shown(*reopened), shown(*window));
    EXPECT_EQ(reopened->area().pieces().count(), 1);
    EXPECT_EQ(reopened->controls().Image1->picture().size(), QSize(60, 80));
    EXPECT_TRUE(reopened->workflowState().measureAlongLine);

    // Opened and unchanged, the window closes at once; changed, it asks, and a cancel keeps it.
    EXPECT_TRUE(reopened->close());
    EXPECT_EQ(other->closeAsked, 0);
    key(Qt::Key_L);
    dialogs->beforeClose = KeepingDialogs::BeforeClose::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs->closeAsked, 1);
    EXPECT_TRUE(window->isVisible());
    // Saved on the way out: the file holds the change.
    dialogs->beforeClose = KeepingDialogs::BeforeClose::Save;
    dialogs->answers.push_back(dir.filePath("room.pokotamu"));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs->closeAsked, 2);
    reopened = reopen("room.pokotamu", other);
    EXPECT_EQ(reopened->controls().Image1->picture().size(), QSize(80, 60));
}

// The described workflow alone: no piece kept, nothing saved; the close is at once.
TEST_F(KeepingARoom, TheDescribedWorkflowClosesAtOnce) {
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs->closeAsked, 0);
}

TEST_F(KeepingARoom, AMissingPictureIsNamedAndTheRestOpens) {
    const QString lamp = writePicture("lamp.png", {30, 30}, Qt::yellow);
    nextPiece(writePicture("table.png", {80, 60}, Qt::darkBlue));
    click(c().Option1);  // no press awaited: the next piece may come
    nextPiece(lamp);
    save("room.pokotamu");
    QFile::remove(lamp);
    ScriptedDialogs* other = nullptr;
    std::unique_ptr<MainWindow> reopened = reopen("room.pokotamu", other);
    ASSERT_EQ(other->reports.size(), 1u);
    EXPECT_TRUE(other->reports[0].reason.contains(lamp)) << other->reports[0].reason.toStdString();
    EXPECT_EQ(reopened->area().pieces().count(), 2);  // the sofa and the table
    EXPECT_FALSE(reopened->controls().Image1->isVisible());
    // Saved again where the lamp is out of reach, the arrangement keeps it.
    ASSERT_TRUE(reopened->room().kept().foreground);
    EXPECT_EQ(reopened->room().kept().foreground->file, lamp);
    EXPECT_EQ(reopened->room().background().file, dir.filePath("plan.png"));

    // A damaged file is refused with its reason and changes nothing.
    QFile bad(dir.filePath("bad.pokotamu"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\": \"pokotamu-arrangement\", \"version\": 1, \"pieces\": [");
    bad.close();
    const Shown before = shown(*reopened);
    reopened->openBackground(bad.fileName());
    ASSERT_EQ(other->reports.size(), 2u);
    EXPECT_TRUE(other->reports[1].reason.contains("JSON"))
        << other->reports[1].reason.toStdString();
    EXPECT_EQ(shown(*reopened), before);

    // A device as the plan and the arrangement itself as a piece: both named, neither read.
    QFile hostile(dir.filePath("hostile.pokotamu"));
    ASSERT_TRUE(hostile.open(QIODevice::WriteOnly));
    hostile.write(R"({"format": "pokotamu-arrangement", "version": 1, "background": "/dev/zero",
        "pieces": [{"file": "hostile.pokotamu", "left": 0, "top": 0, "width": 15, "height": 15,
                    "quarterTurns": 0, "degrees": 0, "opacity": 1},
                   {"file": "sofa.png\n\n次の画像は開きました。", "left": 0, "top": 0,
                    "width": 15, "height": 15, "quarterTurns": 0, "degrees": 0, "opacity": 1}]})");
    hostile.close();
    reopened->openBackground(hostile.fileName());
    ASSERT_EQ(other->reports.size(), 3u);
    EXPECT_TRUE(other->reports[2].reason.contains("/dev/zero\n"));
    EXPECT_TRUE(other->reports[2].reason.contains(hostile.fileName() + "\n"));
    // A name read from the file adds no line of its own to the report.
    EXPECT_TRUE(other->reports[2].reason.contains("sofa.png\\n\\n次の画像は開きました。"))
        << other->reports[2].reason.toStdString();
    EXPECT_FALSE(other->reports[2].reason.contains("\n\n次の画像は開きました"));
    EXPECT_EQ(reopened->area().pieces().count(), 0);
    EXPECT_TRUE(reopened->controls().Picture1->picture().isNull());
}

TEST_F(KeepingARoom, ThePlanIsExportedPrintedAndCopiedAsShown) {
    key(Qt::Key_BracketLeft);  // the sofa at 0.9
    nextPiece(writePicture("table.png", {80, 60}, Qt::darkBlue));
    key(Qt::Key_H);  // the table to the middle of the plan
    const TwipRect table = c().Image1->twips();
    const QPoint onTable(toPixels(table.left + table.width / 2),
                         toPixels(table.top + table.height / 2));

    dialogs->answers.push_back(dir.filePath("room.png"));
    key(Qt::Key_E);
    const QImage png(dir.filePath("room.png"));
    ASSERT_EQ(png.size(), QSize(600, 400));
    EXPECT_TRUE(near(colourAt(png, onTable), QColor(Qt::darkBlue))) << onTable.x();
    // Nine tenths of dark red over white paper.
    EXPECT_TRUE(near(colourAt(png, {100, 50}), QColor(141, 26, 26)))
        << colourAt(png, {100, 50}).name().toStdString();
    EXPECT_EQ(colourAt(png, {590, 390}), QColor(Qt::white));

    QApplication::focusWidget()->clearFocus();
    key(Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(png.format()), png);

    // 1:50 on A4 turned as the plan is: the plan 12 mm wide, the sofa 4.08 mm, a bar of 2 m
    // 40 mm long, and the scale written. 1:20 was offered: the plan fits.
    dialogs->page = PageChoice{QPageSize::A4, true, 50};
    dialogs->answers.push_back(dir.filePath("room.pdf"));
    key(Qt::Key_E);
    EXPECT_EQ(dialogs->offeredPage, (PageChoice{QPageSize::A4, true, 20}));
    dialogs->page.reset();  // the paper chosen is offered first the next time
    dialogs->printTo = dir.filePath("printed.pdf");
    key(Qt::Key_P);
    EXPECT_EQ(dialogs->offeredPage, (PageChoice{QPageSize::A4, true, 50}));
    for (const char* name : {"room.pdf", "printed.pdf"}) {
        SCOPED_TRACE(name);
        QPdfDocument pdf;
        ASSERT_EQ(pdf.load(dir.filePath(name)), QPdfDocument::Error::None);
        ASSERT_EQ(pdf.pageCount(), 1);
        EXPECT_NEAR(pdf.pagePointSize(0).width(), 841.9, 0.5);
        EXPECT_NEAR(pdf.pagePointSize(0).height(), 595.3, 0.5);
        const QString text =
            pdf.getAllText(0).text().remove(QRegularExpression(QStringLiteral("\\s")));
        EXPECT_TRUE(text.contains(QStringLiteral("縮尺1:50"))) << text.toStdString();
        const double perMm = 10;  // a render of ten pixels a millimetre
        const QImage page = pdf.render(0, QSize(2970, 2100));
        // From the first to the last dark pixel of a line, left of `endMm`.
        const auto darkRun = [&](double yMm, auto isDark, double endMm = 297) {
            const int y = int(yMm * perMm);
            int first = -1, last = -1;
            for (int x = 0; x < int(endMm * perMm); ++x) {
                if (!isDark(page.pixelColor(x, y))) continue;
                if (first < 0) first = x;
                last = x;
            }
            return (last - first + 1) / perMm;
        };
        const auto red = [](QColor p) {
            return p.alpha() > 128 && p.red() > 100 && p.green() < 60;
        };
        const auto black = [](QColor p) { return p.alpha() > 128 && p.lightness() < 60; };
        EXPECT_NEAR(darkRun(10.5, red), 4.08, 0.15);
        // Under the plan's 8 mm, after 10 mm of margin: the bar, 3 to 5 mm below.
        EXPECT_NEAR(darkRun(22, black, 60), 40, 0.3);
    }

    // In a length box Ctrl+C copies the box's text.
    click(c().Option3);
    click(background(), {10, 300});
    click(background(), {110, 300});
    type("250");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "250");
}

class ExportingALargePlan : public WindowTest {};

// A 24-megapixel grey scan is exported with one full-size copy of 96 MB: the one written.
TEST_F(ExportingALargePlan, TakesOneCopyOfThePlanTheOneWritten) {
    QImage scan(6000, 4000, QImage::Format_Grayscale8);
    scan.fill(Qt::white);
    ASSERT_TRUE(scan.save(dir.filePath("plan.png")));
    openBackground(dir.filePath("plan.png"));
    ASSERT_EQ(c().Picture1->picture().size(), QSize(6000, 4000));
    ASSERT_TRUE(waitUntilSharp());
    dialogs->answers.push_back(dir.filePath("room.png"));
    ASSERT_TRUE(peak_memory::resetPeak());
    const qint64 before = peak_memory::residentMegabytes();
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    const qint64 grown = peak_memory::peakMegabytes() - before;
    EXPECT_LT(grown, 140) << "MB";
    EXPECT_GT(grown, 80) << "MB: no full-size copy at all?";
    EXPECT_EQ(QImage(dir.filePath("room.png")).size(), QSize(6000, 4000));
}

// A black-and-white scan of 12 x 8 m at 1:20 takes three by three A4 pages: each numbered, and
// a mark at 6 m, 4 m on the fifth, 23 mm and 24 mm into its drawing.
TEST_F(ExportingALargePlan, IsSplitOverPagesAtTheScaleChosen) {
    QImage plan(600, 400, QImage::Format_RGB32);
    plan.fill(Qt::white);
    QPainter(&plan).fillRect(300, 200, 10, 10, Qt::black);
    ASSERT_TRUE(plan.convertToFormat(QImage::Format_Mono).save(dir.filePath("plan.png")));
    openBackground(dir.filePath("plan.png"));
    click(c().Option3);
    click(background(), {10, 300});
    click(background(), {110, 300});
    type("2000");  // 20 mm a pixel
    dialogs->page = PageChoice{QPageSize::A4, true, 20};
    dialogs->answers.push_back(dir.filePath("room.pdf"));
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(dialogs->offeredPage, (PageChoice{QPageSize::A4, true, 50}));

    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(dir.filePath("room.pdf")), QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 9);
    const auto text = [&](int page) {
        return pdf.getAllText(page).text().remove(QRegularExpression(QStringLiteral("\\s")));
    };
    EXPECT_TRUE(text(0).contains(QStringLiteral("縮尺1:20（1/9ページ）"))) << text(0).toStdString();
    EXPECT_TRUE(text(8).contains(QStringLiteral("（9/9ページ）")));
    const QImage page = pdf.render(4, QSize(2970, 2100));  // ten pixels a millimetre
    // Pages overlap by 10 mm: the fifth starts 267 mm and 166 mm into the plan, so the mark at
    // 300 mm and 200 mm is 33 and 34 mm into its drawing, after 10 mm of margin.
    EXPECT_LT(page.pixelColor(480, 490).lightness(), 60);
    EXPECT_GT(page.pixelColor(600, 600).lightness(), 200);
}

// A save or an export never writes over a picture of the room, however it is named; the name
// says what is written; a disk too full to take the file leaves the old one and says so.
TEST_F(KeepingARoom, NothingIsWrittenOverAPictureAndTheNameSaysWhatIsWritten) {
    const auto bytesAt = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto bytes = [&](const char* name) { return bytesAt(dir.filePath(name)); };
    const QByteArray planBytes = bytes("plan.png");
    const QByteArray sofaBytes = bytes("sofa.png");
    ASSERT_TRUE(QFile::link(dir.filePath("plan.png"), dir.filePath("linked.png")));
    ASSERT_TRUE(QFile::link(dir.filePath("plan.png"), dir.filePath("linked.pokotamu")));
    // Each refused name is said why and the dialog comes again; the second name is taken.
    const struct {
        int key;
        const char* refused;
        const char* taken;
        const char* written;
        QByteArray starts;
    } cases[] = {
        {Qt::Key_S, "linked.pokotamu", "room.json", "room.json.pokotamu", "{"},
        {Qt::Key_E, "plan.png", "room.jpg", "room.jpg", "\xff\xd8\xff"},
        {Qt::Key_E, "sofa.png", "room.tif", "room.tif", "II*"},
        {Qt::Key_E, "linked.png", "room.webp", "room.webp", "RIFF"},
        {Qt::Key_E, "room.txt", "room.png", "room.png", "\x89PNG"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refused);
        const std::size_t reported = dialogs->reports.size();
        const QByteArray before = bytes(c.refused);
        dialogs->answers.push_back(dir.filePath(c.refused));
        dialogs->answers.push_back(dir.filePath(c.taken));
        key(c.key);
        ASSERT_EQ(dialogs->reports.size(), reported + 1);
        EXPECT_TRUE(dialogs->answers.empty()) << "asked again";
        EXPECT_EQ(bytes(c.refused), before);
        EXPECT_TRUE(bytes(c.written).startsWith(c.starts)) << c.written;
    }
    EXPECT_TRUE(dialogs->reports[0].reason.contains("配置で使っている画像"))
        << dialogs->reports[0].reason.toStdString();
    EXPECT_TRUE(dialogs->reports[4].reason.contains(".png・.jpg"));
    EXPECT_EQ(bytes("plan.png"), planBytes);
    EXPECT_EQ(bytes("sofa.png"), sofaBytes);
    // An export that cannot be written says why.
    dialogs->answers.push_back(dir.filePath("gone/room.png"));
    key(Qt::Key_E);
    EXPECT_TRUE(dialogs->reports.back().reason.contains("フォルダがありません"))
        << dialogs->reports.back().reason.toStdString();

    // On a disk that is full the saved room stays as it was, and closing still asks.
    QTemporaryDir small;
    const QByteArray place = QFile::encodeName(small.path());
    if (::geteuid() != 0 || ::mount("tmpfs", place.constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "a 64 KiB filesystem needs root";
    }
    const std::unique_ptr<const char, int (*)(const char*)> mounted(place.constData(), ::umount);
    nextPiece(writePicture("table.png", {80, 60}, Qt::darkBlue));
    dialogs->answers.push_back(small.filePath("room.pokotamu"));
    key(Qt::Key_S);
    const QByteArray saved = bytesAt(small.filePath("room.pokotamu"));
    ASSERT_FALSE(saved.isEmpty());
    QFile filler(small.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
    }
    filler.close();
    key(Qt::Key_L);  // a change to save
    const std::size_t reported = dialogs->reports.size();
    dialogs->answers.push_back(small.filePath("room.pokotamu"));
    key(Qt::Key_S);
    ASSERT_EQ(dialogs->reports.size(), reported + 1);
    EXPECT_TRUE(dialogs->reports.back().reason.contains("空き容量が足りません"))
        << dialogs->reports.back().reason.toStdString();
    EXPECT_EQ(bytesAt(small.filePath("room.pokotamu")), saved);
    EXPECT_EQ(QDir(small.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    dialogs->beforeClose = KeepingDialogs::BeforeClose::Discard;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs->closeAsked, 1) << "the change is not kept";
}

// An arrangement of 7000 pieces opens 200 of them and saves all 7000 back in their order; a
// picture kept turned comes back turned, pixel for pixel; a name the system cannot spell is
// reported as such.
TEST_F(KeepingARoom, AFileKeepsEveryPieceItHeldAndATurnedPictureComesBackTurned) {
    QImage asymmetric(40, 20, QImage::Format_RGB32);
    asymmetric.fill(Qt::white);
    QPainter(&asymmetric).fillRect(0, 0, 20, 10, Qt::red);
    ASSERT_TRUE(asymmetric.save(dir.filePath("corner.png")));
    Arrangement many;
    many.background = dir.filePath("plan.png");
    for (int i = 0; i < 7000; ++i) {
        const QString file = i == 1 ? dir.filePath("corner.png")
                                    : dir.filePath(QStringLiteral("gone-%1.png").arg(i));
        const bool turned = i == 1;  // kept a quarter turned: its rectangle the turned picture's
        many.pieces.push_back(
            {file, float(i * 15), 0, turned ? 330.f : 630.f, turned ? 630.f : 330.f, turned, 0, 1.0});
    }
    // Kept when the file was 20 x 20: now 40 x 20, it is placed at that scale, twice as wide.
    many.pieces[1].pixels = {20, 20};
    QFile file(dir.filePath("many.pokotamu"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(arrangement_file::write(many, QDir(dir.path())));
    file.close();
    ScriptedDialogs* other = nullptr;
    std::unique_ptr<MainWindow> reopened = reopen("many.pokotamu", other);
    ASSERT_EQ(other->reports.size(), 1u);
    EXPECT_TRUE(other->reports[0].reason.contains("残りの 6800 個は開きませんが、保存すると"));
    EXPECT_TRUE(other->reports[0].reason.contains(
        "画像の大きさが保存したときと違います（保存したとき 20 × 20、今は 40 × 20 ピクセル）"));
    EXPECT_EQ(reopened->room().pieces()[1].twips.height, 1260.f) << "turned: its height";
    EXPECT_EQ(reopened->area().pieces().count(), 1) << "the one that could be read";
    const QImage turned = reopened->room().pieces()[1].picture;
    ASSERT_EQ(turned.size(), QSize(20, 40));
    EXPECT_EQ(turned.pixelColor(15, 5), QColor(Qt::red)) << "turned clockwise: the corner right";
    EXPECT_EQ(turned.pixelColor(5, 5), QColor(Qt::white));

    other->answers.push_back(dir.filePath("again.pokotamu"));
    QApplication::setActiveWindow(reopened.get());
    QTest::keyClick(reopened.get(), Qt::Key_S, Qt::ControlModifier);
    QApplication::setActiveWindow(window.get());
    const arrangement_file::Reading again = arrangement_file::readFile(dir.filePath("again.pokotamu"));
    ASSERT_TRUE(again.arrangement) << again.problem.toStdString();
    ASSERT_EQ(again.arrangement->pieces.size(), 7000u);
    for (int i : {0, 1, 2, 199, 200, 6999}) {
        EXPECT_EQ(again.arrangement->pieces[std::size_t(i)].left, float(i * 15)) << i;
        EXPECT_EQ(again.arrangement->pieces[std::size_t(i)].file, many.pieces[std::size_t(i)].file);
    }
    EXPECT_EQ(again.arrangement->pieces[1].quarterTurns, 1);
    EXPECT_EQ(again.arrangement->pieces[1].pixels, QSize(40, 20));

    // A file whose name is Latin-1 bytes, as an old camera card holds it, named on the command
    // line: what Qt makes of the name reaches no file.
    const QByteArray latin = QFile::encodeName(dir.path()) + "/caf\xe9.png";
    QFile named;
    ASSERT_TRUE(named.open(::open(latin.constData(), O_WRONLY | O_CREAT, 0644), QIODevice::WriteOnly,
                           QFileDevice::AutoCloseHandle));
    asymmetric.save(&named, "PNG");
    named.close();
    // A name the temporary folder could not remove.
    const std::unique_ptr<const char, int (*)(const char*)> removed(latin.constData(), ::unlink);
    const std::size_t reported = dialogs->reports.size();
    window->openBackground(QFile::decodeName(latin));
    ASSERT_EQ(dialogs->reports.size(), reported + 1);
    EXPECT_TRUE(dialogs->reports.back().reason.contains("UTF-8"))
        << dialogs->reports.back().reason.toStdString();
}

// The paper first offered is the one that takes the plan whole at the largest scale, the
// smaller at equal scale, turned as the plan is; larger plans are split over overlapping pages.
TEST(ScalePages, TheLargestScaleThatFitsIsOfferedOnTheSmallerPaper) {
    const struct {
        QSizeF planMm;
        PageChoice offered;
    } plans[] = {
        {{600, 400}, {QPageSize::A4, true, 20}},
        {{12000, 8000}, {QPageSize::A4, true, 50}},
        {{13000, 9000}, {QPageSize::A3, true, 50}},
        {{19000, 12500}, {QPageSize::A3, true, 50}},
        {{8000, 12000}, {QPageSize::A4, false, 50}},
        {{60000, 40000}, {QPageSize::A4, true, 100}},
    };
    for (const auto& [planMm, offered] : plans) {
        EXPECT_EQ(scale_pages::suggestedPage(planMm), offered) << planMm.width();
    }
    EXPECT_EQ(scale_pages::pagesFor({60000, 40000}, {QPageSize::A4, true, 100}), QSize(3, 3));
    EXPECT_EQ(scale_pages::pagesFor({60000, 40000}, {QPageSize::A3, true, 100}), QSize(2, 2));
    EXPECT_EQ(scale_pages::pagesFor({12000, 8000}, {QPageSize::A4, true, 50}), QSize(1, 1));
}
