#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "command_line.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pokotamu"));
    QApplication::setApplicationVersion(QStringLiteral(POKOTAMU_VERSION));

    // The window speaks Japanese whatever the system's language, and so do Qt's dialogs.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    const CommandLine commandLine = readCommandLine(QApplication::arguments());
    if (commandLine.exitCode) {
        std::fputs(commandLine.output.toLocal8Bit().constData(), stdout);
        std::fputs(commandLine.error.toLocal8Bit().constData(), stderr);
        return *commandLine.exitCode;
    }

    MainWindow window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    if (!commandLine.picture.isEmpty()) {
        // Once the window stands where it opens, as if the picture came from its dialog.
        QTimer::singleShot(0, &window, [&] { window.openBackground(commandLine.picture); });
    }
    return QApplication::exec();
}
