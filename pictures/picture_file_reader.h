// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <functional>

#include "first_picture.h"
#include "picture_bounds.h"

// Reading a picture file: any format Qt's image plugins decode, upright by the photo's
// orientation tag, one picture pixel per logical pixel.

enum class PictureProblem {
    None,
    Missing,
    Unopenable,
    Empty,
    NotAPicture,
    Damaged,
    TooLarge,
    PasswordProtected,   // a PDF that needs a password to be read
    TooComplex,          // an SVG whose parts are used over and over beyond reason
    NeedsTooMuchMemory,  // reading it took more memory than the program may take
    TakesTooLong,        // reading it took longer than any picture within the bounds takes
    NoSuchPage,          // a PDF asked for a page it does not have
    NameNotUtf8,         // the file's name is bytes that are not UTF-8: no name reaches it
};

// What a picture says of the paper it stands for: the resolution its pixels are at, where the
// file states one (a PDF page's is the resolution it was rendered at, from its own paper size),
// and a PDF's pages.
struct PaperFacts {
    QSizeF dotsPerInch;     // across and down; empty where the file states none
    bool ownPaper = false;  // a PDF page: its paper size is the file's own, exact
    int pageCount = 0;      // of a PDF; 0 for any other picture
    int page = 0;           // the page read, from 0
    QSizeF pagePoints;      // its paper, in points of 1/72 inch
};

// Which page of a document of pages to read, and for a glimpse of it (a chooser's), the side
// of the box it is rendered to fit (0: at its own resolution). A page drawn again sharper for a
// zoomed view: the page rendered as if it were `detailWhole` pixels large, only `detailPart`
// of it (empty: the whole page, as usual).
struct ReadRequest {
    int page = 0;
    int fitSide = 0;
    QSize detailWhole{};
    QRect detailPart{};
};

struct ReadPicture {
    QImage image;  // in a format that paints without conversion
    PictureProblem problem = PictureProblem::None;
    // With TooLarge: the most pixels a picture of its kind may have (fewer for kinds whose
    // decoder takes more memory a pixel).
    qint64 pixelBound = kMaxPicturePixels;
    // A page whose paper is left transparent: it is shown on white paper.
    bool onWhitePaper = false;
    // While `image` is still being written: a reduced copy of it to show meanwhile.
    QImage reduced{};
    PaperFacts paper{};
};

// Memory the decoded pixels may be written straight into, four bytes a pixel.
struct PixelMemory {
    uchar* data = nullptr;
    qint64 size = 0;
    // Told how many bytes of it a decoder is about to write, before it starts.
    std::function<void(qint64 bytes)> aboutToWrite;
};

// Opens a picture file for reading: what can be told of it before any of its bytes is read.
PictureProblem openPictureFile(QFile& file);

// A pure function of an open file. Where the decoder can write into `into` the picture comes back
// there (its pixels are then `into.data`); elsewhere it comes back in memory of its own. Where
// `first` asks for it and the view needs fewer pixels, a reduced copy is told first: a JPEG
// decoded reduced, any other picture reduced in one pass before any conversion of the whole.
// The picture that follows has the size and format told, or is refused as damaged.
ReadPicture readPicture(QFile& file, const PixelMemory& into = {}, const FirstPicture& first = {},
                        const ReadRequest& request = {});

// Both in this process: for a file that is known to be harmless.
ReadPicture readPictureFile(const QString& path);
