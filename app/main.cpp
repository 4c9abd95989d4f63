// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <optional>

#include "command_line.h"
#include "main_window.h"
#include "picture_reader_process.h"
#include "quiet_session.h"

namespace {

// The program speaks Japanese whatever the system's language, and so do Qt's own texts.
void speakJapanese(QCoreApplication& app, QTranslator& qtTexts) {
    QCoreApplication::setApplicationName(QStringLiteral("pokotamu"));
    QCoreApplication::setApplicationVersion(QStringLiteral(POKOTAMU_VERSION));
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtTexts);
    }
}

int answer(const CommandLine& commandLine) {
    std::fputs(commandLine.output.toLocal8Bit().constData(), stdout);
    std::fputs(commandLine.error.toLocal8Bit().constData(), stderr);
    return *commandLine.exitCode;
}

// --help and --version, answered without a window, so also where there is no display.
std::optional<int> answerWithoutWindow(int& argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTranslator qtTexts;
    speakJapanese(app, qtTexts);
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments());
    if (commandLine.exitCode != 0) return std::nullopt;  // Qt's own options are read next
    return answer(commandLine);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = answerWithoutWindow(argc, argv)) return *answered;

    QuietSession quiet;
    QApplication app(argc, argv);
    quiet.applicationStarted();
    QTranslator qtTexts;
    speakJapanese(app, qtTexts);
    const CommandLine commandLine = readCommandLine(QApplication::arguments());
    if (commandLine.exitCode) return answer(commandLine);

    // A picture named here: its reader sets itself up while the window is made.
    if (!commandLine.picture.isEmpty()) PictureReaderProcess::startOneAhead();
    MainWindow window;
    if (!commandLine.picture.isEmpty()) window.prepareToRead();
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    if (!commandLine.picture.isEmpty()) {
        // Once the window stands where it opens, as if the picture came from its dialog.
        QTimer::singleShot(0, &window,
                           [&] { window.openBackground(commandLine.picture, commandLine.page); });
    }
    return QApplication::exec();
}
