#pragma once
// The tender's timetable as a sheet (招标时间安排表): the procedure and how the
// days were counted, every milestone with its rule, article and marks, and
// the holiday calendar used; landscape, under the sheet's header.
//
//   TimetableSource --TimetableSheetDraft--> SheetDraft --> the one sheet pipeline

#include "ui/documents/document_source.h"
#include "ui/sheet/sheet_output.h"

namespace kelvora::ui {

SheetDocument TimetableSheet(const TimetablePlan& plan, const Timetable& timetable);

SheetDraft TimetableSheetDraft(const DocumentSource& source);

}  // namespace kelvora::ui
