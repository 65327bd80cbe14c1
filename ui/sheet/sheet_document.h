#pragma once
// A sheet as data: what it says, not how it is drawn. The calculation sheet
// of a page, the sheet of a batch of lots and every sheet to come are made as
// one of these, and one renderer (sheet_render.h) draws them all, so they
// share their head, their lines to sign, their foot and their page numbers.
//
//   page / batch / … --SheetDocument--> SheetHtml --> PDF | printer
//
// Every text is plain text: whatever a person typed or pasted is shown as
// written, never read as markup.

#include <QDate>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

#include "ui/sheet/sheet_header.h"

namespace kelvora::ui {

// A piece of a line, never broken inside; bold when strong.
struct SheetRun {
    QString text;
    bool strong = false;
};

// Lines of runs, the runs of a line set apart by a wide space.
struct SheetLines {
    std::vector<std::vector<SheetRun>> lines;
    bool indented = false;  // every line after the first starts indented
    bool right = false;     // set to the right (a seal and its date)
};

// Text that may break anywhere, line by line (a working, a method), under a
// bold title when there is one.
struct SheetText {
    QString title;
    QStringList lines;
};

struct SheetTable {
    QStringList columns;            // the head row, repeated on every page; may be empty
    std::vector<QStringList> rows;  // as many cells as columns (or as the widest row)
    std::vector<bool> figures;      // per column: right-aligned and never broken
    std::vector<bool> whole;        // per column: never broken (an amount in words)
    std::vector<int> widths;        // per column, in percent of the page; empty: as the text asks
    std::size_t strongRows = 0;     // the last rows in bold (a 合计)
    bool grid = true;               // ruled cells
};

using SheetBlock = std::variant<SheetLines, SheetText, SheetTable>;

struct SheetSection {
    QString heading;  // "一、计算结果", or empty
    std::vector<SheetBlock> blocks;
};

struct SheetDocument {
    QString title;
    bool landscape = false;
    SheetHeader header;
    bool lotInHeader = true;  // false where each row of a table names its lot
    QDate made;
    std::vector<SheetSection> sections;
    QString footnote;       // below the lines to sign
    bool signLines = true;  // 编制人、复核人 and the date to sign (a notice has a seal instead)
    bool madeAtHead = true;  // "编制日期" under the title (a notice dates its seal)
    // Documents printed after this one, each from a new page with its own
    // page numbers (one fee notice per lot).
    std::vector<SheetDocument> following;
};

}  // namespace kelvora::ui
