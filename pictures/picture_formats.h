#pragma once

#include <QByteArray>
#include <QList>

// The formats of Qt's image plugins that pictures are read in. MNG animations are refused:
// their decoder allocates frames of any size their inner headers claim.
bool isRefusedFormat(const QByteArray& format);
QList<QByteArray> readablePictureFormats();
