#pragma once
// The content of the Results page (tbshProblema): the title in its frame, the column headings,
// one row per result (label, read-only value box, unit) and the page's buttons.

#include <QString>
#include <QWidget>

#include "ResultsRows.h"

namespace taldor::output {

class ResultsPageView : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPageView(QWidget* parent = nullptr);

    // Rebuilds the page from the rows of a problem code (tbshProblemaShow).
    void showResults(const taldor::ResultsPage& page);
    // The title lblProbTipo, with the frame bvlProblema fitted around it.
    void setProblemTitle(const QString& caption);

signals:
    void reportClicked();                             // bbtnReporte
    void pictureClicked(const QString& windowClass);  // bbtnShowPUno, bbtnShowPDos
    void slopesClicked();                             // bbtnPdteCrit
};

}  // namespace taldor::output
