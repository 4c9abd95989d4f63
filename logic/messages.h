// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Every text the workflow shows. The window's own fixed captions live in its control table.
inline constexpr std::string_view kWindowTitle = "ポコタム";

// U+3000, then "..." and an ASCII space.
inline constexpr std::string_view MsgOpenPrompt = "　... ボタンを押して画像を開いてください";
inline constexpr std::string_view MsgBgStart = "背景画像の開始点をクリックして下さい";
inline constexpr std::string_view MsgBgEnd = "背景画像の終了点をクリックして下さい";
inline constexpr std::string_view MsgEnterDistance = "距離を入力して下さい";
inline constexpr std::string_view MsgFgStart = "前景画像の開始点をクリックして下さい";
inline constexpr std::string_view MsgFgEnd = "前景画像の終了点をクリックして下さい";
inline constexpr std::string_view MsgPressChange = "変更ボタンを押して画像を拡大縮小して下さい";
inline constexpr std::string_view MsgEnterNumber = "数値を入力して下さい";

// Full-width percent sign U+FF05, then an ASCII space.
inline constexpr std::string_view MsgEnlargedSuffix = "％ 拡大しました";
inline constexpr std::string_view MsgReducedSuffix = "％ 縮小しました";

// Shown when the two scales give no size the foreground can take (a zero background scale,
// a negative ratio, an overflow).
inline constexpr std::string_view MsgCannotScale = "拡大率を計算できません。③からやり直して下さい";

// Beside a calibration line more than a degree off level, after its angle and after the share
// by which a level measure shortens it.
inline constexpr std::string_view MsgTiltDegrees = "° 傾いています。横の距離では長さが ";
inline constexpr std::string_view MsgTiltShortPercent =
    " % 短く測られます。Ctrl+T で斜めの距離を測れます";

// The readouts' text until a scale is known (the spelling is the window's own).
inline constexpr std::string_view ScaleResetText = "1pixcel=0mm";
inline constexpr std::string_view kReadoutPrefix = "1pixel=";
inline constexpr std::string_view kReadoutSuffix = "mm";
