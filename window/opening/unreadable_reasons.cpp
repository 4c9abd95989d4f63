// SPDX-License-Identifier: GPL-3.0-or-later
#include "unreadable_reasons.h"

namespace {

// Written as a Japanese reader writes a count of pixels: 1 億 is 100 million, 1 万 ten thousand.
QString pixelCount(qint64 pixels) {
    if (pixels % 100'000'000 == 0) return QStringLiteral("%1 億").arg(pixels / 100'000'000);
    return QStringLiteral("%1 万").arg(pixels / 10'000);
}

}  // namespace

QString reasonText(const ReadPicture& refused) {
    switch (refused.problem) {
        case PictureProblem::None:
            return {};
        case PictureProblem::Missing:
            return QStringLiteral("ファイルが見つかりません。");
        case PictureProblem::Unopenable:
            return QStringLiteral("ファイルを開けません。");
        case PictureProblem::Empty:
            return QStringLiteral("ファイルが空です。");
        case PictureProblem::NotAPicture:
            return QStringLiteral("画像ファイルではないか、対応していない形式です。");
        case PictureProblem::Damaged:
            return QStringLiteral("画像ファイルが壊れています。");
        case PictureProblem::PasswordProtected:
            return QStringLiteral("パスワードで保護された PDF は開けません。");
        case PictureProblem::TooComplex:
            return QStringLiteral("図の中の参照が多すぎて描けません。");
        case PictureProblem::NeedsTooMuchMemory:
            return QStringLiteral(
                "読み込むのに必要なメモリーが多すぎるため、読み込みを止めました。");
        case PictureProblem::TakesTooLong:
            return QStringLiteral("読み込みに時間がかかりすぎるため、読み込みを止めました。");
        case PictureProblem::NoSuchPage:
            return QStringLiteral("この PDF には指定されたページがありません。");
        case PictureProblem::NameNotUtf8:
            return QStringLiteral("ファイル名に UTF-8 でない文字があるため、開けません。"
                                  "ファイルの名前を付け直してください。");
        case PictureProblem::TooLarge:
            return QStringLiteral(
                       "画像が大きすぎます（幅と高さは %1 ピクセル、全体で %2画素まで）。")
                .arg(kMaxPictureSide)
                .arg(pixelCount(refused.pixelBound));
    }
    return {};
}
