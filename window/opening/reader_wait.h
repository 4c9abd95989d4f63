// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "picture_file_reader.h"

class PictureReaderProcess;
class QWidget;

// Reads a picture file with `reader` while the window waits, as a window blocked by a
// long step does: it keeps repainting, no handler of it runs, and what the user does to it
// meanwhile is handled afterwards, in its order. When reading takes a while, a small progress
// window offers to cancel; from then on the window takes no input. Cancelling or closing the
// window ends the reader and the wait at once. Empty when cancelled or when the window was closed.
// For a picture that opens in `view` at a small scale, the wait ends once a reduced copy is read:
// the reader goes on writing the whole (the picture then holds `reduced`).
std::optional<ReadPicture> readWhileWaiting(QWidget& window, PictureReaderProcess& reader,
                                            const QString& path, const FirstView& view = {},
                                            const ReadRequest& request = {});

// Waits the same way for a reader already reading: what it tells next, the picture to show
// first or the picture whole; empty when it was not reading, or the wait was cancelled (the
// reader then ended).
std::optional<ReadPicture> awaitWhileWaiting(QWidget& window, PictureReaderProcess& reader);
