// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "picture_file_reader.h"
#include "picture_files.h"

TEST(PictureBounds, EverySideUpTo32767AndEveryPictureUpTo100MegapixelsOpens) {
    QTemporaryDir dir;
    struct Case {
        quint32 width, height;
        bool opens;
    };
    const Case cases[] = {
        {32767, 1, true},  {32768, 1, false},     {1, 32767, true},
        {1, 32768, false}, {10000, 10001, false},  // 10000 x 10000 opens in the corpus
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const QString path = dir.filePath(QStringLiteral("black.png"));
        ASSERT_TRUE(picture_files::write(path, picture_files::blackPng(c.width, c.height)));
        const ReadPicture loaded = readPictureFile(path);
        EXPECT_EQ(loaded.problem, c.opens ? PictureProblem::None : PictureProblem::TooLarge);
        EXPECT_EQ(loaded.image.size(), c.opens ? QSize(c.width, c.height) : QSize(0, 0));
    }
}
