#include "Modal.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace taldor::ui {

namespace {

class RealModalHandler final : public ModalHandler {
public:
    void information(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text,
                        QMessageBox::Ok, parent);
        box.exec();
    }
    int exec(QDialog* dialog) override { return dialog->exec(); }
};

RealModalHandler g_real;
ModalHandler* g_handler = &g_real;

}  // namespace

ModalHandler* SetModalHandler(ModalHandler* handler) {
    ModalHandler* previous = g_handler;
    g_handler = handler ? handler : &g_real;
    return previous;
}

void Information(QWidget* parent, const QString& text) { g_handler->information(parent, text); }

int ExecDialog(QDialog* dialog) { return g_handler->exec(dialog); }

RecordingModalHandler::RecordingModalHandler() : m_previous(SetModalHandler(this)) {}

RecordingModalHandler::~RecordingModalHandler() { SetModalHandler(m_previous); }

void RecordingModalHandler::information(QWidget*, const QString& text) { messages << text; }

int RecordingModalHandler::exec(QDialog* dialog) {
    ++dialogsShown;
    return onDialog ? onDialog(dialog) : QDialog::Rejected;
}

}  // namespace taldor::ui
