#pragma once

#include <QFont>
#include <QLocale>
#include <QString>

// A face by name at a point size and weight, for a window speaking `language`. Where the face is
// missing, the nearest sans-serif face of the same size and weight serves: Liberation Sans first,
// which has Arial's metrics and so keeps the captions and the help lines inside their boxes. The
// scripts it lacks come from the faces Debian's desktops draw them in, which the fit checks
// measure: Arabic and Persian in Noto Sans Arabic UI (fonts-noto-ui-core), whose lines are no
// taller than the 22 help lines allow; Hebrew in DejaVu Sans (fonts-dejavu-core); Japanese in VL
// Gothic (fonts-vlgothic), Chinese and Korean in Noto Sans CJK (fonts-noto-cjk), each in the
// forms of the language's own region.
QFont FaceFont(const QString& face, double points, bool bold, const QLocale& language);

QFont DisplayFont(const QLocale& language);  // lblDisplay
QFont FrameFont(const QLocale& language);    // Frame1's caption
QFont PadFont(const QLocale& language);      // cmdCalc
// Option1 and Label1. Pinned rather than taken from the desktop, whose default (often 10 pt)
// would not fit the 22 help lines into the client area.
QFont WindowFont(const QLocale& language);
