#pragma once

// Qt's generic accessible for a plain QWidget top level has the role Client, which AT-SPI reports
// as a "filler": a screen reader would not announce the window when it gets the focus. Makes
// frmZorvane report the role Window (AT-SPI "frame"), named by its title. Installs the factory
// once however often it is called.
void AnnounceFrmZorvaneAsWindow();
