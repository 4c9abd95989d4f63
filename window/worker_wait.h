#pragma once

#include <QString>
#include <optional>

#include "picture_file_reader.h"

class QWidget;

// Reads a picture file in a worker thread while the window waits, as a window blocked by a
// long step does: it keeps repainting, no handler of it runs, and what the user does to it
// meanwhile is handled afterwards, in its order. When reading takes a while, a small progress
// window offers to cancel; from then on the window takes no input, and closing it ends the
// wait at once. Empty when cancelled or when the window was closed; a result of a cancelled
// reading is never returned.
std::optional<ReadPicture> readInWorkerWhileWaiting(QWidget& window, const QString& path);
