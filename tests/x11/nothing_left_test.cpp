// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

// The program as a user starts it on a bare X server over ssh: no session bus, no XDG_*
// variables, a home and a temporary folder of its own. Afterwards nothing is new under them or
// under /tmp, and nothing it started (its picture readers included) still runs.
namespace {

QStringList entriesUnder(const QString& path, bool deep) {
    QStringList entries;
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    deep ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) entries << it.next();
    return entries;
}

// What is there now and was not before, as one line to read.
std::string added(const QStringList& before, const QStringList& now) {
    QStringList added;
    for (const QString& entry : now) {
        if (!before.contains(entry)) added << entry;
    }
    return added.join(QStringLiteral(", ")).toStdString();
}

// Processes whose environment holds the given line, other than this one.
QStringList processesWith(const QByteArray& line) {
    QStringList found;
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (pid == self || pid.toInt() <= 0) continue;
        QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
        if (!environ.open(QIODevice::ReadOnly) || !environ.readAll().split('\0').contains(line)) {
            continue;
        }
        QFile name(QStringLiteral("/proc/%1/comm").arg(pid));
        name.open(QIODevice::ReadOnly);
        found << pid + u' ' + QString::fromLocal8Bit(name.readAll()).trimmed();
    }
    return found;
}

int freeDisplay() {
    int n = 90;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
           QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) {
        ++n;
    }
    return n;
}

}  // namespace

TEST(OnARealXServer, TheProgramWritesNothingAndLeavesNoProcessBehind) {
    const int display = freeDisplay();
    QProcess server;
    server.start(QStringLiteral("Xvfb"), {QStringLiteral(":%1").arg(display), "-screen", "0",
                                          "1280x1024x24", "-nolisten", "tcp"});
    ASSERT_TRUE(server.waitForStarted(5000)) << "Xvfb is needed (apt-get install xvfb)";
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display);
    for (int i = 0; i < 100 && !QFile::exists(socket); ++i) QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(socket));

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString path = home.filePath(QStringLiteral("背景.png"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(POKOTAMU_SOURCE_DIR "/samples/background.png"), path));
    const QStringList homeBefore = entriesUnder(home.path(), true);
    // A temporary folder of its own too: what others left in /tmp cannot hide what it leaves.
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QStringList tmpBefore = entriesUnder(QStringLiteral("/tmp"), false);

    QProcess program;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(display));
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("TMPDIR"), temp.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(POKOTAMU_PROGRAM), {path});
    ASSERT_TRUE(program.waitForStarted(5000));
    EXPECT_FALSE(program.waitForFinished(2500)) << "the window stays open";
    program.terminate();  // as the session does when the user logs out
    EXPECT_TRUE(program.waitForFinished(5000));
    QThread::msleep(300);

    const QByteArray homeLine = "HOME=" + home.path().toLocal8Bit();
    EXPECT_EQ(processesWith(homeLine).join(u' ').toStdString(), "")
        << "started by the program and still running";
    EXPECT_EQ(added(homeBefore, entriesUnder(home.path(), true)), "");
    EXPECT_EQ(added(tmpBefore, entriesUnder(QStringLiteral("/tmp"), false)), "");
    EXPECT_EQ(added({}, entriesUnder(temp.path(), true)), "");
    server.terminate();
    server.waitForFinished(5000);
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
