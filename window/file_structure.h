#pragma once

#include <QByteArray>

#include "picture_loader.h"

class QIODevice;

// Cheap, exact checks of a picture file's structure, made before any decoder sees it. What
// they refuse would cost a decoder far more memory than the file is worth, or would show
// memory that the file never filled: a PNG chunk running past the end of the file, a BMP or
// ICO whose pixels lie beyond it, a BMP or GIF whose declared size is out of bounds, a
// progressive JPEG whose decoder would need more than the memory bound. The file is read from its
// start and left there.
PictureProblem checkStructure(QIODevice& file, const QByteArray& format);

// What decoding may cost at most: the picture and the decoder's own working memory.
inline constexpr qint64 kMaxDecodingBytes = 850LL * 1024 * 1024;
