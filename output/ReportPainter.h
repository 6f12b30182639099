#pragma once
// The one painter of the printed report: draws a report layout on any paint device (the
// preview's printer, a PDF file, an image), at report pixels of 96 per inch from the device's
// origin, which for a printer is the corner of the page inside its margins.

#include <QFont>
#include <QString>
#include <QStringList>

#include "ReportLayout.h"

class QPainter;
class QPaintDevice;
class QPrinter;

namespace taldor::output {

// Report pixels per inch.
constexpr double kReportDpi = 96.0;

// A4 portrait with margins of 10 mm on every side.
void SetUpReportPrinter(QPrinter& printer);

// Arial 10 pt (plain or bold) and Arial Black 16 pt; without Arial Black, a black-weight Arial.
QFont ReportQFont(taldor::ReportFont font);

// The lines of the observations box as printed: the text wrapped at the box's width, and only
// the lines that fit whole in its height. Measured on `device` (nullptr: the screen).
QStringList ObservationLinesShown(const QString& text, QPaintDevice* device);

// Draws every item of the layout; `dpi` is the device's resolution.
void PaintReport(QPainter& painter, const taldor::ReportLayout& layout, double dpi);
// Draws the layout on a device on a painter of its own.
void PaintReport(QPaintDevice& device, const taldor::ReportLayout& layout);

// Writes the one-page report to a PDF file, as the preview window would print it. Returns
// whether the file was written.
bool WriteReportPdf(const taldor::ReportLayout& layout, const QString& path);

}  // namespace taldor::output
