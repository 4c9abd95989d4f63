// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QToolButton>

#include "command_line.h"
#include "picture_formats.h"
#include "window_fixture.h"

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};

// The installed program as a user starts it from a terminal; no run may show a window for long.
ProgramRun runProgram(const QStringList& arguments, bool display = true) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!display) {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            environment.remove(QString::fromLatin1(name));
        }
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(POKOTAMU_PROGRAM), arguments);
    const bool ended = program.waitForFinished(5000);
    if (!ended) program.kill();
    EXPECT_TRUE(ended) << "a window stayed open";
    return {ended ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

QString spokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("(none)");
}

}  // namespace

TEST(CommandLine, AnswersHelpVersionAndMistakesWithoutAWindow) {
    const ProgramRun version = runProgram({QStringLiteral("--version")}, false);
    EXPECT_EQ(version.exitCode, 0) << "no display needed";
    EXPECT_EQ(version.out, "pokotamu 1.0\n");
    const ProgramRun qtOptionFirst = runProgram({"-platform", "offscreen", "--version"});
    EXPECT_EQ(qtOptionFirst.out, "pokotamu 1.0\n") << "Qt takes its own options first";

    const ProgramRun help = runProgram({QStringLiteral("--help")}, false);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("[画像ファイル]"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("  Ctrl+9        背景画像の全体を表示\n")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("--page <番号>")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("Ctrl+Shift+D")));

    for (const QStringList& wrong :
         {QStringList{"--bogus"}, QStringList{"-x", "a.png"}, QStringList{"a.png", "b.png"},
          QStringList{"--page", "2"}, QStringList{"--page", "0", "a.pdf"},
          QStringList{"--page", "zwei", "a.pdf"}, QStringList{"--page", "10001", "a.pdf"}}) {
        const ProgramRun run = runProgram(wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.out.isEmpty());
    }
}

using DesktopProgram = WindowTest;

TEST_F(DesktopProgram, APictureNamedOnTheCommandLineOpensAsTheBackground) {
    QDir::setCurrent(dir.path());
    writePicture(QStringLiteral("写真.png"), {598, 398});
    const CommandLine named = readCommandLine({"pokotamu", QStringLiteral("写真.png")});
    ASSERT_FALSE(named.exitCode.has_value());
    EXPECT_EQ(named.picture, dir.filePath(QStringLiteral("写真.png")));
    EXPECT_FALSE(named.page);
    EXPECT_EQ(readCommandLine({"pokotamu", "--page", "2", "plan.pdf"}).page, 1);
    window->openBackground(named.picture);
    EXPECT_EQ(clientTwips(), QSize(11550, 6030));
    EXPECT_TRUE(c().Option1->isChecked());

    window->openBackground(dir.filePath("missing.png"));
    ASSERT_EQ(dialogs->reports.size(), 1u);
    EXPECT_EQ(dialogs->reports[0].reason, QStringLiteral("ファイルが見つかりません。"));
    EXPECT_EQ(clientTwips(), QSize(11550, 6030)) << "the window stays as it was";
    EXPECT_TRUE(window->isVisible());
}

TEST_F(DesktopProgram, EveryControlHasANameAScreenReaderSays) {
    const std::pair<QWidget*, const char*> names[] = {
        {c().Option1, "① 背景画像の取得"},
        {c().Option2, "② 前景画像の取得"},
        {c().Option3, "③ 前景画像サイズ変更"},
        {c().Command1, "背景画像を開く"},
        {c().Command2, "前景画像を開く"},
        {c().Command3, "変  更"},
        {c().Text1, "背景距離（mm）"},
        {c().Text2, "前景距離（mm）"},
        {c().Label6, "背景距離              （単位：mm）"},
        {c().Label4, "前景距離              （単位：mm）"},
        {c().Label2, "1pixcel=0mm"},
        {c().Label3, "1pixcel=0mm"},
        {c().Label1, "　... ボタンを押して画像を開いてください"},
        {c().Picture1, "背景画像"},
        {c().Image1, "前景画像"},
    };
    for (const auto& [widget, name] : names) {
        EXPECT_EQ(spokenName(widget).toStdString(), name) << widget->objectName().toStdString();
    }
    EXPECT_EQ(c().Command1->text(), "...") << "the visible text stays";
    const QList<QToolButton*> tools =
        window->findChild<QWidget*>("CommandBar")->findChildren<QToolButton*>();
    EXPECT_FALSE(tools.isEmpty());
    for (QToolButton* tool : tools)
        EXPECT_FALSE(spokenName(tool).isEmpty()) << tool->text().toStdString();
    click(c().Option3);
    EXPECT_EQ(spokenName(c().Label1).toStdString(), "背景画像の開始点をクリックして下さい")
        << "the status line is read as it now reads";
}

TEST(DesktopEntry, OpensAFileWithTheProgramAndListsOnlyTypesItReads) {
    QFile mime(QStringLiteral(POKOTAMU_SOURCE_DIR "/resources/pokotamu-mime.xml"));
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    EXPECT_TRUE(mime.readAll().contains(R"(<glob pattern="*.pokotamu"/>)"));
    QFile entry(QStringLiteral(POKOTAMU_SOURCE_DIR "/resources/pokotamu.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList listed;
    bool execFound = false;
    for (const QString& line : QString::fromUtf8(entry.readAll()).split(u'\n')) {
        if (line.startsWith(QStringLiteral("Exec="))) {
            EXPECT_EQ(line, "Exec=pokotamu %f");
            execFound = true;
        }
        if (line.startsWith(QStringLiteral("MimeType="))) {
            listed = line.mid(9).split(u';', Qt::SkipEmptyParts);
        }
    }
    EXPECT_TRUE(execFound);
    QSet<QString> readable{QStringLiteral("application/x-pokotamu")};  // the arrangement
    for (const QByteArray& type : readablePictureMimeTypes()) {
        readable.insert(QString::fromLatin1(type));
    }
    for (const QString& type : listed) EXPECT_TRUE(readable.contains(type)) << type.toStdString();
    for (const char* common :
         {"image/png", "image/jpeg", "image/bmp", "image/gif", "image/tiff", "image/webp",
          "application/pdf", "image/svg+xml", "image/heic", "image/heif"}) {
        EXPECT_TRUE(listed.contains(QLatin1String(common))) << common;
    }
}
