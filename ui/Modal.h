#pragma once
// Every modal interaction of the program (information messages, modal dialogs, the report
// preview) goes through this one seam, so that tests can answer it.

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

namespace taldor::ui {

class ModalHandler {
public:
    virtual ~ModalHandler() = default;
    // An information message with one OK button.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // Shows a dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog* dialog) = 0;
};

// Replaces the handler; nullptr restores the real one (QMessageBox, QDialog::exec). Returns the
// previous handler.
ModalHandler* SetModalHandler(ModalHandler* handler);

// The information box: icon, the text, one OK button, titled with the application's name.
void Information(QWidget* parent, const QString& text);
// Shows a modal dialog through the handler.
int ExecDialog(QDialog* dialog);

// A handler for tests: records every message and answers every dialog with a function of the
// test's choice (by default it rejects the dialog without showing it).
class RecordingModalHandler : public ModalHandler {
public:
    RecordingModalHandler();
    ~RecordingModalHandler() override;
    void information(QWidget* parent, const QString& text) override;
    int exec(QDialog* dialog) override;

    QStringList messages;
    // Called with each dialog instead of showing it; returns the dialog's result.
    std::function<int(QDialog*)> onDialog;
    int dialogsShown = 0;

private:
    ModalHandler* m_previous;
};

}  // namespace taldor::ui
