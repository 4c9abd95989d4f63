// SPDX-License-Identifier: GPL-3.0-or-later
#include "write_reasons.h"

QString writeReasonText(const WriteResult& failed) {
    switch (failed.failure) {
        case WriteFailure::None:
            return {};
        case WriteFailure::DiskFull:
            return QStringLiteral("空き容量が足りません。");
        case WriteFailure::NotAllowed:
            return QStringLiteral("このフォルダには書き込みが許されていません。");
        case WriteFailure::ReadOnlyFile:
            return QStringLiteral("このファイルは読み取り専用です。");
        case WriteFailure::ReadOnlyPlace:
            return QStringLiteral("読み取り専用の場所です。");
        case WriteFailure::NoFolder:
            return QStringLiteral("フォルダがありません。");
        case WriteFailure::NotAFile:
            return QStringLiteral(
                "この名前はふつうのファイルではありません（フォルダや装置です）。");
        case WriteFailure::TooLong:
            return QStringLiteral("名前が長すぎます。");
        case WriteFailure::DeviceError:
            return QStringLiteral("ディスクの読み書きに失敗しました。");
        case WriteFailure::Content:
            return QStringLiteral("書き出す内容を作れませんでした（%1）。").arg(failed.systemText);
        case WriteFailure::Other:
            return QStringLiteral("書き込めませんでした（%1）。").arg(failed.systemText);
    }
    return {};
}
