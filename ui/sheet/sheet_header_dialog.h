#pragma once
// The small dialog that asks, before a sheet is made, what names the
// project: 项目名称, 项目编号, 标段, 招标人（委托人）, 代理机构, 编制人, 复核人,
// each optional. Tab goes top to bottom, Enter confirms.

#include <QDialog>
#include <array>

#include "ui/sheet/sheet_header.h"

class QLineEdit;

namespace kelvora::ui {

// Asks for the header of a paper (`what`: "计算书", "收费通知书") over
// `parent`, offering what was typed last in this run (kept by the main
// window, for the papers of its batch windows too); false when cancelled.
bool AskSheetHeader(QWidget& parent, SheetHeader& header,
                    const QString& what = QStringLiteral("计算书"));

class SheetHeaderDialog : public QDialog {
public:
    SheetHeaderDialog(const SheetHeader& header, QWidget* parent,
                      const QString& what = QStringLiteral("计算书"));

    SheetHeader header() const;

private:
    std::array<QLineEdit*, kSheetHeaderFields.size()> m_fields{};
};

}  // namespace kelvora::ui
