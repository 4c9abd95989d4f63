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
std::optional<ReadPicture> readWhileWaiting(QWidget& window, PictureReaderProcess& reader,
                                            const QString& path);
