#pragma once
// The small dialog that asks, before a sheet is made, what names the
// project: 项目名称, 项目编号, 标段, 招标人（委托人）, 代理机构, 编制人, 复核人,
// each optional. Tab goes top to bottom, Enter confirms.

#include <QDialog>
#include <array>

#include "ui/binding/calculation_sheet.h"

class QLineEdit;

namespace kelvora::ui {

class SheetHeaderDialog : public QDialog {
public:
    SheetHeaderDialog(const SheetHeader& header, QWidget* parent);

    SheetHeader header() const;

private:
    std::array<QLineEdit*, 7> m_fields{};
};

}  // namespace kelvora::ui
