#pragma once
// The printer side of "Drucken ...": which printer there is, what its page
// is, and printing the picture onto it.
//
// A printer is any destination of the print system, or, without one, Qt's
// PDF printer, so that a machine without a printer still makes the page as
// a PDF file.

#include "output/Vorschaulayout.h"

#include <QImage>
#include <QString>

#include <memory>

class QPrinter;

namespace output {

// Whether anything can print: a destination of the print system, or the
// PDF printer.
bool DruckerVorhanden();
// The printer of the program run: the system's default destination, else
// the PDF printer (its file is asked for when the page is printed).
std::unique_ptr<QPrinter> NeuerDrucker();
// The printer's page in its pixels.
Druckerseite SeiteDes(const QPrinter& drucker);

// One page, document title "Velmora": `bild` stretched into `ziel` (printer
// pixels from the printable origin) by nearest neighbour, clipped to the
// printable area, and a black one-pixel frame around `ziel`. False with the
// reason when the document could not be begun or written.
bool SeiteDrucken(QPrinter& drucker, const QImage& bild, const Druckrechteck& ziel, QString& grund);

} // namespace output
