#pragma once
// An agency's own terms for the tender fee, as agencies have quoted them
// since the fee was left to the market: the schedule the standard fee
// follows, then a share of it ("按标准的 80% 收取"), a discount from it
// ("下浮 20%") or a flat rate of the winning amount ("按中标金额的 1.5% 计
// 取"), and a minimum ("不足 2000 元按 2000 元收取"). Kept as one line of text,
// in the window's terms control and in the settings.
//
//   text --ReadFeeTerms--> FeeTerms | why not --WriteFeeTerms--> text
//   standard fee (TenderFeeSteps) + FeeTerms --ChargeByTerms--> fee to charge + working

#include <optional>
#include <string>
#include <string_view>

#include "calc/tender_fee.h"

namespace kelvora {

enum class TermsKind {
    Standard,  // the standard fee as it is
    Share,     // percent of the standard fee
    Discount,  // the standard fee less percent of it
    FlatRate,  // percent of the winning amount
};

struct FeeTerms {
    std::string schedule = "2002";  // the id of a tender fee schedule
    TermsKind kind = TermsKind::Standard;
    double percent = 0;
    double minimumYuan = 0;  // none when 0

    bool operator==(const FeeTerms&) const = default;
};

// Whether the fee to charge can differ from the standard fee.
bool ChargesOtherThanStandard(const FeeTerms& terms);

// Why terms cannot be used ("下浮比例应在 0 到 100 之间"), or empty.
std::string TermsProblem(const FeeTerms& terms);

struct TermsReading {
    std::optional<FeeTerms> terms;
    std::string problem;  // why the text holds no terms that can be used
};

// "schedule=2011;kind=share;percent=80;minimum=2000"; an empty text is the
// standard terms.
TermsReading ReadFeeTerms(std::string_view text);
std::string WriteFeeTerms(const FeeTerms& terms);

// The terms in words, as a notice or a sheet states them:
// "按标准的 80% 收取；不足 2000 元的按 2000 元收取".
std::string TermsWords(const FeeTerms& terms);

struct FeeByTerms {
    double fee;           // in 万元
    std::string working;  // one line per term applied
};

// The fee to charge for a standard fee worked out by `terms.schedule`.
// Throws FloatingPointError on overflow.
FeeByTerms ChargeByTerms(const TenderFeeSteps& standard, const FeeTerms& terms);

}  // namespace kelvora
