// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper_scale.h"

#include <QRegularExpression>
#include <cmath>

#include "kept_calibrations.h"
#include "twip_rect.h"

namespace {

constexpr double kMmPerInch = 25.4;

// What a screenshot tool or an editor writes when it knows nothing of paper.
bool isScreenDefault(double dotsPerInch) {
    return std::abs(dotsPerInch - 72) < 0.5 || std::abs(dotsPerInch - 96) < 0.5;
}

QString dpiText(double dotsPerInch) { return QString::number(dotsPerInch, 'g', 6); }

}  // namespace

std::optional<int> drawingScaleFrom(const QString& typed) {
    static const QRegularExpression scale(QStringLiteral("^\\s*(?:1\\s*[:/]\\s*)?(\\d{1,6})\\s*$"));
    // NFKC makes full-width digits, colon and slash the ASCII ones.
    const QRegularExpressionMatch match =
        scale.match(typed.normalized(QString::NormalizationForm_KC));
    if (!match.hasMatch()) return std::nullopt;
    const int n = match.captured(1).toInt();
    if (n < 1 || n > kLargestDrawingScale) return std::nullopt;
    return n;
}

PaperScale paperScale(const PaperFacts& paper, int drawingScale, const QString& decimalSeparator) {
    const double across = paper.dotsPerInch.width();
    const double down = paper.dotsPerInch.height();
    const auto refused = [](const QString& why) {
        return PaperScale{0, why + QStringLiteral("2 点をクリックして縮尺を測って下さい。"), {}};
    };
    if (paper.dotsPerInch.isEmpty() || !std::isfinite(across) || !std::isfinite(down)) {
        return refused(QStringLiteral("この背景画像のファイルには解像度が書かれていないため、"
                                      "図面の縮尺から大きさを出せません。"));
    }
    // A PDF page was rendered at a resolution of its own choosing, exactly known.
    if (!paper.ownPaper) {
        if (isScreenDefault(across) || isScreenDefault(down)) {
            return refused(QStringLiteral("この背景画像のファイルに書かれた解像度 %1 dpi は画面用の"
                                          "既定値で、紙の上の大きさを表していません。")
                               .arg(dpiText(across)));
        }
        if (std::abs(across - down) > across * 1e-3) {
            return refused(QStringLiteral("この背景画像のファイルに書かれた解像度は横 %1 dpi、縦 %2 "
                                          "dpi で、揃っていません。")
                               .arg(dpiText(across), dpiText(down)));
        }
        if (across < kLeastScanDotsPerInch || across > kMostScanDotsPerInch) {
            return refused(QStringLiteral("この背景画像のファイルに書かれた解像度 %1 dpi は、"
                                          "スキャンした図面としてありえない値です。")
                               .arg(dpiText(across)));
        }
    }
    const double mmPerPixel = kMmPerInch / across * drawingScale;
    PaperScale scale{mmPerPixel / kTwipsPerPixel, {}, {}};
    if (!paper.ownPaper) {
        QString perPixel = QString::number(mmPerPixel, 'g', 6);
        perPixel.replace(u'.', decimalSeparator);
        scale.question = QStringLiteral("この背景画像のファイルには解像度 %1 dpi と書かれています。"
                                        "1:%2 の図面として、1 ピクセルを %3 mm とします。")
                             .arg(dpiText(across))
                             .arg(drawingScale)
                             .arg(perPixel);
    }
    return scale;
}
