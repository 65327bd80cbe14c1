#pragma once
// What names the project at the head of a sheet. Every field may stay empty,
// and the empty ones are left out; 编制人 and 复核人 stand at the sheet's
// foot on the lines to sign.

#include <QString>
#include <array>

namespace kelvora::ui {

struct SheetHeader {
    QString project, projectNumber, lot, client, agency, preparedBy, checkedBy;
    QString bidder;  // 中标人, whom a fee notice may be addressed to
};

// The fields in the order they are asked for and printed.
struct SheetHeaderField {
    const char* name;  // UTF-8
    QString SheetHeader::*value;
    bool signs;  // on the lines to sign rather than at the head
};

inline constexpr std::array<SheetHeaderField, 8> kSheetHeaderFields{{
    {"项目名称", &SheetHeader::project, false},
    {"项目编号", &SheetHeader::projectNumber, false},
    {"标段", &SheetHeader::lot, false},
    {"招标人（委托人）", &SheetHeader::client, false},
    {"中标人", &SheetHeader::bidder, false},
    {"代理机构", &SheetHeader::agency, false},
    {"编制人", &SheetHeader::preparedBy, true},
    {"复核人", &SheetHeader::checkedBy, true},
}};

}  // namespace kelvora::ui
