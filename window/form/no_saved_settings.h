// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program writes nothing. Qt's file dialog saves its history and last folder through
// QSettings when it closes; this points the settings of the user and of the system at a
// place beneath the program file itself, where no folder can ever be made, so every such
// write fails quietly. (On Windows the native settings live in the registry, which this
// does not reach; the file dialog used there is Qt's own, which saves the same way.)
void keepNoSettings();
