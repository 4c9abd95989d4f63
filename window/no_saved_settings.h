#pragma once

// The program writes nothing. Qt's file dialog would save its history and last folder
// through QSettings; this makes every QSettings of the process read nothing and write nothing.
void keepNoSettings();
