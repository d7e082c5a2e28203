#pragma once

#include <QFont>
#include <QString>

// A face by name at a point size and weight. Where the face is missing, the nearest
// sans-serif face of the same size and weight serves: Liberation Sans first, which has Arial's
// metrics and so keeps the captions and the help lines inside their boxes.
QFont FaceFont(const QString& face, double points, bool bold);

QFont DisplayFont();  // lblDisplay
QFont FrameFont();    // Frame1's caption
QFont PadFont();      // cmdCalc
// Option1 and Label1. Pinned rather than taken from the desktop, whose default (often 10 pt)
// would not fit the 22 help lines into the client area.
QFont WindowFont();
