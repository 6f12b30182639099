#pragma once
// The report of one press of "Report" (TfrmReporte): its page layout and the A4 printer it is
// previewed and printed on (qrReporte).

#include <QPrinter>

#include "ReportLayout.h"

class QPrintPreviewDialog;
class QWidget;

namespace taldor::output {

class TfrmReporte {
public:
    explicit TfrmReporte(taldor::ReportLayout layout);

    const taldor::ReportLayout& layout() const { return m_layout; }
    QPrinter& printer() { return m_printer; }

    // The preview window over the report's printer; its paintRequested draws the page.
    void connectPreview(QPrintPreviewDialog& preview);
    // Shows the preview modally through the modal seam; returns when it is closed.
    void preview(QWidget* parent);

private:
    taldor::ReportLayout m_layout;
    QPrinter m_printer;
};

}  // namespace taldor::output
