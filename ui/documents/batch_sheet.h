#pragma once
// The calculation sheet of a batch of lots (计算书（多标段）): one table of every
// lot under the sheet's header, landscape, its 合计 and what it covers, the
// standard its figures followed and the agency's terms they were charged by.
//
//   BatchSource --BatchSheetDraft--> SheetDraft --> the one sheet pipeline

#include <QDate>
#include <QString>

#include "ui/documents/document_source.h"
#include "ui/sheet/sheet_output.h"

namespace kelvora::ui {

SheetDraft BatchSheetDraft(const DocumentSource& source);

// The name of a calculator's batch: "招标代理服务费" from "招标代理服务费计算书".
QString BatchName(const Calculator& calculator);

// The name a file of the batch is proposed under: "工期批量计算-2026-12-07.xlsx".
QString BatchFileName(const Calculator& calculator, const QString& suffix, QDate day);

}  // namespace kelvora::ui
