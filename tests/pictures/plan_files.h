// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QSizeF>
#include <QString>
#include <vector>

// Scanned plans of every kind a scanner, a fax or a phone writes, made a row at a time so that
// even the largest picture the bound accepts costs the test little memory. Each shows white
// paper with black walls at known places; colour kinds add a red square, kinds with
// transparency a clear one.
namespace plan_files {

enum class Ink { Paper, Wall, Red, Clear };

// What the plan holds at a pixel of a picture of the given size.
Ink inkAt(int x, int y, int width, int height);

// Points worth looking at, each with what must show there (as drawn on white).
struct Probe {
    QPoint at;
    Ink ink;
};
std::vector<Probe> probes(int width, int height);

// The colour a decoder must give for the ink, for a kind with or without colour and alpha.
QColor expectedColor(Ink ink, bool colour, bool alpha);

struct PngKind {
    int bitDepth;
    int colorType;                   // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    bool transparentColour = false;  // a tRNS chunk
    bool interlaced = false;
};
bool writePng(const QString& path, int width, int height, const PngKind& kind);

enum class TiffKind {
    BilevelNone,
    BilevelPackBits,
    BilevelLzw,
    BilevelG3,
    BilevelG4,
    Grey8,
    Grey16,
    Palette,
    Rgb,
    RgbTiled,
    Cmyk
};
// With a resolution in dots an inch where one is given, as a scanner writes it.
bool writeTiff(const QString& path, int width, int height, TiffKind kind, double dotsPerInch = 0);

bool writeBmp(const QString& path, int width, int height, int bitsPerPixel);

// Each pixel its own code with a clear code ahead of the table filling: large but plain.
bool writeGif(const QString& path, int width, int height);

enum class JpegKind { Grey, Rgb, Cmyk };
bool writeJpeg(const QString& path, int width, int height, JpegKind kind, bool progressive);

bool writeWebp(const QString& path, int width, int height, bool lossless);

// A one-page PDF of the given size in points, with a black wall from 100 to 110 points across.
bool writePdf(const QString& path, QSizeF points);

// A photo through libheif's encoder: red along its top, a black wall a quarter across, stored
// turned by the given EXIF-style orientation (6: a quarter clockwise), which the file's rotation
// box undoes.
bool writeHeic(const QString& path, int width, int height, int orientation);

}  // namespace plan_files
