#pragma once
// The content of the Results page (tbshProblema): the title in its frame, the column headings,
// one row per result (label, read-only value box, unit) and the page's buttons.

#include <QString>
#include <QWidget>
#include <map>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace taldor {
struct ResultsPage;
}

namespace taldor::output {

class ResultsPageView : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPageView(QWidget* parent = nullptr);

    // Rebuilds the page from the rows of a problem code (tbshProblemaShow).
    void showResults(const taldor::ResultsPage& page);
    // The title lblProbTipo, with the frame bvlProblema fitted around it.
    void setProblemTitle(const QString& caption);

    QSize sizeHint() const override;

Q_SIGNALS:
    void reportClicked();                             // bbtnReporte
    void pictureClicked(const QString& windowClass);  // bbtnShowPUno, bbtnShowPDos
    void slopesClicked();                             // bbtnPdteCrit

private:
    struct Row {
        QLabel* label;
        QLineEdit* value;
        QLabel* unit;
    };
    Row& row(const std::string& stem);
    void fitFrame();

    QLabel* m_title;
    QFrame* m_frame;
    QLabel* m_headParameter;
    QLabel* m_headValue;
    QLabel* m_headUnit;
    QPushButton* m_report;
    QPushButton* m_image1;
    QPushButton* m_image2;
    QToolButton* m_slopes;
    std::map<std::string, Row> m_rows;
    QString m_picture1;
    QString m_picture2;
};

}  // namespace taldor::output
