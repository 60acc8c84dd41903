#pragma once
// The pictures of picture buttons, pictures and picture rings, drawn here
// with QPainter: nothing is loaded from files.

#include <QPixmap>

#include "ui/definition.h"

namespace qtui {

// `value` selects the picture of a picture ring: for the COM state 0 is "no
// port open", 1 to 16 the open port, 99 a port above 16.
QPixmap DrawImage(ui::Image image, int value, QSize size);

// The words a picture shows or stands for: what its tooltip says and what
// assistive technology reads ("COM" for the COM state, "Datei laden" for the
// open button).
QString ImageText(ui::Image image);

// The port number the COM state picture shows: empty for none, ">16" for 99.
QString ComStateCaption(int value);

}  // namespace qtui
