#include "untObservaciones.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace taldor::output {

TfrmObservaciones::TfrmObservaciones(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("frmObservaciones");
    setWindowTitle("Write Observations");
    setFixedSize(308, 195);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName("mmObservaciones");
    m_text->setGeometry(8, 8, 292, 140);
    m_text->setTabChangesFocus(true);

    m_ok = new QPushButton("OK", this);
    m_ok->setObjectName("bbtnOk");
    m_ok->setGeometry(136, 158, 78, 28);
    m_ok->setDefault(false);
    m_ok->setAutoDefault(false);
    m_cancel = new QPushButton("Cancel", this);
    m_cancel->setObjectName("bbtnCanc");
    m_cancel->setGeometry(222, 158, 78, 28);
    m_cancel->setAutoDefault(false);

    connect(m_text, &QPlainTextEdit::textChanged, this, [this] { m_changed = true; });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Centred on the screen, not on the calculation window.
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    m_text->setFocus();
}

std::vector<std::string> TfrmObservaciones::lines() const {
    const QString text = m_text->toPlainText();
    std::vector<std::string> out;
    if (text.isEmpty()) return out;
    QStringList parts = text.split('\n');
    // A final line break ends the last line; it does not begin another.
    if (parts.size() > 1 && parts.back().isEmpty()) parts.removeLast();
    for (const QString& line : parts) out.push_back(line.toStdString());
    return out;
}

}  // namespace taldor::output
