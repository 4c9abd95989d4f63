// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include "picture_bounds.h"

// The bounds of one reading. With the window's own, the program stays under a gigabyte, however
// the file was made. The window ends a reader that holds more than the decoding may take; the
// system refuses it memory a little beyond, should it grow faster than the window looks.
inline constexpr qint64 kReaderMemoryBytes = kMaxDecodingBytes;
inline constexpr qint64 kReaderHardMemoryBytes = kMaxDecodingBytes + 64LL * 1024 * 1024;
// A 100-megapixel picture of any format reads in well under a tenth of it on a 2-core machine.
inline constexpr int kReaderSeconds = 60;

// Shuts the reader in, for the rest of its life: within its limits, with no file of the user's
// beyond the one it was handed and no connection. Which of these the system gives, as
// ReaderProtection bits; the reader runs with whatever it got. On Windows a job object would
// carry the limits, and a restricted token and a low integrity level the rest.
int shutReaderIn(qint64 memoryBytes, int processorSeconds);

// In the reader: what is left of its work gives way to the window the user works in (on Windows,
// a lower priority class).
void giveWayToTheWindow();

// In the reader: the most memory it has held since it started; 0 if unknown. Called once before
// the reader is shut in, where it needs what it may not open afterwards.
qint64 ownPeakBytes();

// In the window: the memory a running reader takes, the pixels it wrote included; 0 if unknown.
qint64 residentBytesOf(qint64 processId);
