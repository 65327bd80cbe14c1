// One rule for blanks: a cell or a box with blanks around its text (spaces,
// tabs, line breaks, the ideographic space, the no-break space spreadsheets
// copy) counts as the text alone, in every column of every batch.

#include <gtest/gtest.h>

#include "calc/batch.h"
#include "calc/calculators.h"
#include "calc/input_check.h"
#include "calc/number_text.h"

namespace kelvora {
namespace {

constexpr std::string_view kBlanks[] = {" ", "\t", "\r\n", "\u3000", "\u00A0", " \u3000\u00A0\t"};

// One lot of each calculator, every input column filled.
const struct {
    const char* calculator;
    Cells lot;
} kLots[] = {
    {"tender", {"一标段", "6000", "服务招标", "是"}},
    {"supervision", {"A", "35000", "1.2", "较复杂", "1", "-10"}},
    {"period", {"B", "2009/2/6", "2010/2/6"}},
};

// The worked-out cells of a row, those the user gave left out.
Cells Worked(const BatchColumns& columns, const Cells& lot)
{
    const BatchRow row = CalculateRow(columns, lot);
    Cells worked;
    for (const BatchColumn& column : columns.list) {
        if (!column.edited) {
            worked.push_back(CellText(column, row));
        }
    }
    return worked;
}

TEST(BlankRule, ABlankAroundAnyCellOfAnyBatchChangesNothing)
{
    for (const auto& [calculator, lot] : kLots) {
        const BatchColumns columns = ColumnsOf(*CalculatorById(calculator));
        const Cells plain = Worked(columns, lot);
        ASSERT_FALSE(plain.front().empty()) << calculator;
        ASSERT_TRUE(plain.back().empty()) << calculator << ": " << plain.back();  // no 说明
        for (std::size_t cell = 1; cell < lot.size(); ++cell) {
            for (std::string_view blank : kBlanks) {
                Cells padded = lot;
                padded[cell] = std::string(blank) + lot[cell] + std::string(blank);
                EXPECT_EQ(Worked(columns, padded), plain)
                    << calculator << " column " << cell << " blank \"" << blank << "\"";
            }
        }
    }
}

TEST(BlankRule, ABoxReadsItsNumberWithoutAMark)
{
    for (std::string_view blank : kBlanks) {
        const std::string text = std::string(blank) + "6000" + std::string(blank);
        EXPECT_EQ(ReadNumber(text), 6000) << text;
        EXPECT_FALSE(InputNote(text, InputKind::Amount).has_value()) << text;
        EXPECT_TRUE(IsBlank(blank));
        EXPECT_EQ(Trimmed(text), "6000");
    }
    EXPECT_FALSE(IsBlank("\u3000x"));
}

}  // namespace
}  // namespace kelvora
