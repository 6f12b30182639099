#include "ReportPainter.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

namespace taldor::output {

namespace {

QFont Arial(double points) {
    QFont f("Arial");
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    return f;
}

// The laid-out lines of the observations box, in report pixels scaled to the device.
struct WrappedLine {
    QString text;
    double y;  // top of the line within the box, in device pixels
};

std::vector<WrappedLine> WrapObservations(const QString& text, const QFont& font,
                                          QPaintDevice* device, double scale) {
    const double width = kReportObservationsWidth * scale;
    const double height = kReportObservationsHeight * scale;
    std::vector<WrappedLine> lines;
    double y = 0;
    const QFontMetricsF metrics(font, device);
    for (const QString& paragraph : text.split('\n')) {
        QTextLayout layout(paragraph, font, device);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        bool any = false;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            any = true;
            if (y + metrics.height() > height + 0.01) {
                layout.endLayout();
                return lines;
            }
            lines.push_back({paragraph.mid(line.textStart(), line.textLength()), y});
            y += metrics.lineSpacing();
        }
        layout.endLayout();
        if (!any) {
            // An empty line of the text takes its place in the box.
            if (y + metrics.height() > height + 0.01) return lines;
            lines.push_back({QString(), y});
            y += metrics.lineSpacing();
        }
    }
    return lines;
}

double DeviceDpi(QPaintDevice& device) {
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) return printer->resolution();
    return device.logicalDpiY();
}

}  // namespace

void SetUpReportPrinter(QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    printer.setFullPage(false);
}

QFont ReportQFont(taldor::ReportFont font) {
    switch (font) {
        case taldor::ReportFont::Title: {
            QFont f("Arial Black");
            f.setStyleHint(QFont::SansSerif);
            f.setPointSizeF(16);
            if (QFontInfo(f).family().compare("Arial Black", Qt::CaseInsensitive) != 0) {
                // Arial Black is Arial at its heaviest weight.
                f = Arial(16);
                f.setWeight(QFont::Black);
            }
            return f;
        }
        case taldor::ReportFont::Heading: {
            QFont f = Arial(10);
            f.setBold(true);
            return f;
        }
        case taldor::ReportFont::Text:
            break;
    }
    return Arial(10);
}

QStringList ObservationLinesShown(const QString& text, QPaintDevice* device) {
    const double scale = device ? device->logicalDpiY() / kReportDpi : 1.0;
    QStringList shown;
    for (const WrappedLine& line :
         WrapObservations(text, ReportQFont(taldor::ReportFont::Text), device, scale)) {
        shown << line.text;
    }
    return shown;
}

void PaintReport(QPainter& painter, const taldor::ReportLayout& layout, double dpi) {
    const double scale = dpi / kReportDpi;
    QPaintDevice* device = painter.device();
    painter.save();
    painter.setPen(Qt::black);
    for (const taldor::ReportItem& item : layout.items) {
        const QFont font = ReportQFont(item.font);
        const QFontMetricsF metrics(font, device);
        painter.setFont(font);
        const QString text = QString::fromStdString(item.text);
        const double top = item.top * scale;
        if (item.width > 0) {
            const double left = item.x * scale;
            painter.save();
            painter.setClipRect(QRectF(left, top, item.width * scale, item.height * scale));
            for (const WrappedLine& line : WrapObservations(text, font, device, scale)) {
                painter.drawText(QPointF(left, top + line.y + metrics.ascent()), line.text);
            }
            painter.restore();
            continue;
        }
        if (text.isEmpty()) continue;
        double left = item.x * scale;
        if (item.anchor == taldor::ReportAnchor::Right) left -= metrics.horizontalAdvance(text);
        painter.drawText(QPointF(left, top + metrics.ascent()), text);
    }
    painter.restore();
}

void PaintReport(QPaintDevice& device, const taldor::ReportLayout& layout) {
    QPainter painter(&device);
    PaintReport(painter, layout, DeviceDpi(device));
}

bool WriteReportPdf(const taldor::ReportLayout& layout, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SetUpReportPrinter(printer);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PaintReport(painter, layout, printer.resolution());
    return painter.end();
}

}  // namespace taldor::output
