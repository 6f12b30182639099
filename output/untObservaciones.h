#pragma once
// The observations dialog (TfrmObservaciones) that "Report" opens first: free text that the
// report prints under the results.

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace taldor::output {

class TfrmObservaciones : public QDialog {
    Q_OBJECT
public:
    explicit TfrmObservaciones(QWidget* parent = nullptr);

    // Whether the user changed the text since the dialog opened (typing and deleting again
    // counts as a change).
    bool modified() const { return m_changed; }
    // The text box's lines, line for line.
    std::vector<std::string> lines() const;

private:
    QPlainTextEdit* m_text;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_changed = false;
};

}  // namespace taldor::output
