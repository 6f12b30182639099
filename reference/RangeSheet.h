#pragma once
// The validity-range sheets: one read-only sheet fed by a table of the calibration and
// validation ranges of a formula (compute/ReferenceTables), and the named sheets, each a thin
// subclass over its table; the sheet of limiting slopes of the confined vortex is one of them.

#include <QDialog>
#include <QString>
#include <memory>

#include "ReferenceTables.h"

namespace taldor::reference {

class RangeSheet : public QDialog {
    Q_OBJECT
public:
    RangeSheet(const taldor::RangeSheetTable& table, QWidget* parent);
    const taldor::RangeSheetTable& table() const { return m_table; }

private:
    const taldor::RangeSheetTable& m_table;
};

class TfrmRangPAGRaBe : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPAGRaBe(QWidget* parent = nullptr);
};
class TfrmRangPAGRuff : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPAGRuff(QWidget* parent = nullptr);
};
class TfrmRangPAGBreu : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPAGBreu(QWidget* parent = nullptr);
};
class TfrmRangPAGHoff : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPAGHoff(QWidget* parent = nullptr);
};
class TfrmRangPACQayo : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPACQayo(QWidget* parent = nullptr);
};
class TfrmRangPACAlBa : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPACAlBa(QWidget* parent = nullptr);
};
class TfrmRangPACBreu : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPACBreu(QWidget* parent = nullptr);
};
class TfrmRangPACHoff : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPACHoff(QWidget* parent = nullptr);
};
class TfrmRangPEnBoJu : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPEnBoJu(QWidget* parent = nullptr);
};
class TfrmRangPCZBoJu : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPCZBoJu(QWidget* parent = nullptr);
};
class TfrmRangPCZFahl : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmRangPCZFahl(QWidget* parent = nullptr);
};
class TfrmPdteCritPVC : public RangeSheet {
    Q_OBJECT
public:
    explicit TfrmPdteCritPVC(QWidget* parent = nullptr);
};

// The sheet of that class, or nullptr for a class without a sheet.
std::unique_ptr<RangeSheet> CreateRangeSheet(const QString& sheetClass, QWidget* parent);

}  // namespace taldor::reference
