// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "arrangement_file.h"
#include "command_table.h"

namespace {
// The usual status of a command called the wrong way.
constexpr int kUsageError = 2;
}  // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("二枚の画像を同じ縮尺で重ねます。\n\n"
                                                    "キーボード（表示、前景画像と配置）:\n") +
                                     shortcutList().chopped(1));
    // Qt's own help option describes itself in English only.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この使い方を表示する。"));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption page(QStringLiteral("page"),
                                  QStringLiteral("PDF の何ページ目を背景として開くか（1 から）。"),
                                  QStringLiteral("番号"));
    parser.addOption(page);
    parser.addPositionalArgument(
        QStringLiteral("画像ファイル"),
        QStringLiteral("背景として開く画像、または配置ファイル（.pokotamu）"),
        QStringLiteral("[画像ファイル]"));

    CommandLine result;
    // Help and version are answered even beside options only Qt's application object knows.
    const bool understood = parser.parse(arguments);
    if (parser.isSet(help)) {
        result.exitCode = 0;
        result.output = parser.helpText();
    } else if (parser.isSet(version)) {
        result.exitCode = 0;
        result.output = QCoreApplication::applicationName() + u' ' +
                        QCoreApplication::applicationVersion() + u'\n';
    } else if (!understood) {
        result.exitCode = kUsageError;
        result.error = parser.errorText() + u'\n';
    } else if (parser.positionalArguments().size() > 1) {
        result.exitCode = kUsageError;
        result.error = QStringLiteral("開ける画像は一つだけです。\n");
    } else if (parser.isSet(page) && parser.positionalArguments().isEmpty()) {
        result.exitCode = kUsageError;
        result.error = QStringLiteral("--page は開く PDF と一緒に指定して下さい。\n");
    } else if (!parser.positionalArguments().isEmpty()) {
        result.picture = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    }
    if (parser.isSet(page) && !result.exitCode) {
        bool number = false;
        const int n = parser.value(page).toInt(&number);
        if (!number || n < 1 || n > arrangement_file::kMostPages) {
            result.exitCode = kUsageError;
            result.error = QStringLiteral("--page には 1 から %1 までのページ番号を指定して下さい。\n")
                               .arg(arrangement_file::kMostPages);
        } else {
            result.page = n - 1;
        }
    }
    return result;
}
