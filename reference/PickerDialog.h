#pragma once
// The correction-factor pickers: one dialog fed by a published table (compute/ReferenceTables),
// and the eight named dialogs, each a thin subclass over its table.

#include <QDialog>
#include <QString>
#include <memory>

#include "ReferenceTables.h"

class QButtonGroup;

namespace taldor::reference {

class PickerDialog : public QDialog {
    Q_OBJECT
public:
    PickerDialog(const taldor::PickerTable& table, QWidget* parent);

    // The text the chosen row returns; the empty text when no row is chosen.
    QString ValorElegido() const;
    // The chosen row (for TfrmHiGrup the chosen button, rb1 being 0), -1 when none.
    int itemIndex() const;
    const taldor::PickerTable& table() const { return m_table; }

private:
    const taldor::PickerTable& m_table;
    QButtonGroup* m_group;
};

// The eight dialogs, named after the tables they show.
class TfrmAhmaCICC : public PickerDialog {
    Q_OBJECT
public:
    explicit TfrmAhmaCICC(QWidget* parent = nullptr);
};
class TfrmAhmaCIPO : public PickerDialog {
    Q_OBJECT
public:
    explicit TfrmAhmaCIPO(QWidget* parent = nullptr);
};
class TfrmAhmaCIAA : public PickerDialog {
    Q_OBJECT
public:
    explicit TfrmAhmaCIAA(QWidget* parent = nullptr);
};
class TfrmAnguRepo : public PickerDialog {
    Q_OBJECT
public:
    explicit TfrmAnguRepo(QWidget* parent = nullptr);
};
class TfrmHiGrup : public PickerDialog {
    Q_OBJECT
public:
    explicit TfrmHiGrup(QWidget* parent = nullptr);
};
class TfrmCIFOks : public PickerDialog {
    Q_OBJECT
public:
    explicit TfrmCIFOks(QWidget* parent = nullptr);
};
class TfrmCIFOkb : public PickerDialog {
    Q_OBJECT
public:
    explicit TfrmCIFOkb(QWidget* parent = nullptr);
};
class TfrmCIFOkl : public PickerDialog {
    Q_OBJECT
public:
    explicit TfrmCIFOkl(QWidget* parent = nullptr);
};

// The dialog of the picker that fills `box`, or nullptr when the box has none.
std::unique_ptr<PickerDialog> CreatePicker(taldor::Box box, QWidget* parent);

}  // namespace taldor::reference
