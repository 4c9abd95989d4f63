#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    // The window speaks Japanese whatever the system's language, and so do Qt's dialogs.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    MainWindow window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return QApplication::exec();
}
