#include "untReporte.h"

#include <QPainter>
#include <QPrintPreviewDialog>

#include "Modal.h"
#include "ReportPainter.h"

namespace taldor::output {

TfrmReporte::TfrmReporte(taldor::ReportLayout layout)
    : m_layout(std::move(layout)), m_printer(QPrinter::HighResolution) {
    SetUpReportPrinter(m_printer);
    m_printer.setDocName("Report");
}

void TfrmReporte::connectPreview(QPrintPreviewDialog& preview) {
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this](QPrinter* printer) { PaintReport(*printer, m_layout); });
}

void TfrmReporte::preview(QWidget* parent) {
    QPrintPreviewDialog preview(&m_printer, parent);
    preview.setObjectName("qrReporte");
    preview.setWindowTitle("Report");
    connectPreview(preview);
    taldor::ui::ExecDialog(&preview);
}

}  // namespace taldor::output
