// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

#include "arrangement.h"
#include "form_record.h"
#include "page_choice.h"
#include "picture_file_reader.h"
#include "placed_picture.h"
#include "twip_rect.h"

// The plan: its file, its page, its picture and the box that shows it.
struct BackgroundRecord {
    QString file;  // empty: none is open
    int page = 0;  // of a document of pages, from 0
    QImage picture;
    bool onWhitePaper = false;  // where the picture is transparent, paper shows (a PDF page's)
    TwipRect box;               // the box's outer place and size: the picture and its border
    PaperFacts paper;           // what the file says of the paper it stands for
    friend bool operator==(const BackgroundRecord& a, const BackgroundRecord& b) {
        return a.file == b.file && a.page == b.page &&
               a.picture.cacheKey() == b.picture.cacheKey() && a.onWhitePaper == b.onWhitePaper &&
               a.box == b.box;
    }
};

// What lies on the plan: the current foreground and the pieces kept beside it, bottom first.
// Every change of it is a step of the history.
struct Furniture {
    PlacedPicture foreground;
    bool foregroundShown = true;  // taken away, it keeps its place for a step back
    std::vector<PlacedPicture> pieces;
    friend bool operator==(const Furniture&, const Furniture&) = default;
};

// The hidden box that takes the foreground's picture to tell its natural size.
struct SizerRecord {
    QImage picture;
    TwipRect box;
    friend bool operator==(const SizerRecord& a, const SizerRecord& b) {
        return a.picture.cacheKey() == b.picture.cacheKey() && a.box == b.box;
    }
};

struct UnreadPictures {
    QString background;
    int backgroundPage = 0;
    std::optional<KeptPicture> foreground;
};

// Everything the room holds, as one value: the history keeps its furniture a step at a time, a
// picture whose whole pixels fail takes it back whole, and an arrangement file is written from
// it and read into it.
struct Room {
    BackgroundRecord background;
    Furniture furniture;
    SizerRecord sizer;
    FormRecord form;
    // The paper last chosen for pages at a scale, kept for the next of the same room.
    std::optional<PageChoice> page;
    // The plan and the foreground of an opened arrangement that could not be read: kept, so
    // that saving it again where their files are out of reach does not lose them. (Pieces not
    // read keep their places among the pieces.)
    UnreadPictures unread;
};

// The outer box a picture box takes for a picture: its size and the border each side.
inline constexpr int kBoxBorderPixels = 1;
TwipRect boxAround(const QImage& picture, float left, float top);

// The least width and height of the plan's box after a load, in twips: the bottom edge of the
// status line.
inline constexpr float kSmallestBackgroundBox = 4575;
