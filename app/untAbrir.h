#pragma once
// The open-problem dialog: a grid of stored problems (there is no store, so it stays empty)
// and a check box per model problem to filter it.

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;
class QTableView;

class TfrmAbrir : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbrir(QWidget* parent = nullptr);

    // A change of the tick of "All" inverts the enabled state of the seven problem boxes.
    void cbTodosClick();

private:
    QTableView* DBGrid1 = nullptr;
    QPushButton* btnAbrir = nullptr;
    QPushButton* btnCancelar = nullptr;
    QList<QCheckBox*> m_problems;
    QCheckBox* cbTodos = nullptr;
};
