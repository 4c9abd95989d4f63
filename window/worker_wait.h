#pragma once

#include <QString>
#include <optional>

#include "picture_file_reader.h"

class QWidget;

// Reads a picture file in a worker thread while the window waits, as under a modal dialog:
// it takes no input but keeps repainting. When decoding takes a while, a small modal progress
// window offers to cancel. Empty when cancelled or when the window was closed meanwhile; a
// result of a cancelled decoding is never returned.
std::optional<ReadPicture> readInWorkerWhileWaiting(QWidget& window, const QString& path);
