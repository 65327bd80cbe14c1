#include "calc/fee_terms.h"

#include <array>
#include <cmath>

#include "calc/checked_math.h"
#include "calc/decimal_text.h"
#include "calc/number_text.h"
#include "calc/working_text.h"

namespace kelvora {
namespace {

struct KindRow {
    TermsKind kind;
    std::string_view key;    // in the text
    double most;             // the largest percent it takes
    std::string_view named;  // in a message
};

constexpr std::array<KindRow, 4> kKinds{{
    {TermsKind::Standard, "standard", 0, ""},
    {TermsKind::Share, "share", 100, "收取比例"},
    {TermsKind::Discount, "discount", 100, "下浮比例"},
    {TermsKind::FlatRate, "rate", 10, "费率"},
}};

const KindRow& RowOf(TermsKind kind)
{
    return kKinds[static_cast<std::size_t>(kind)];
}

// A whole, plain number of the text, or nothing ("80", "1.5"; not "80%").
std::optional<double> PlainNumber(std::string_view text)
{
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty() || !ReadDecimalText(trimmed)) {
        return std::nullopt;
    }
    try {
        const LeadingNumber number = ReadLeadingNumber(trimmed);
        if (number.length != trimmed.size()) {
            return std::nullopt;
        }
        return number.value;
    } catch (const FloatingPointError&) {
        return std::nullopt;
    }
}

}  // namespace

bool ChargesOtherThanStandard(const FeeTerms& terms)
{
    return terms.kind != TermsKind::Standard || terms.minimumYuan > 0;
}

std::string TermsProblem(const FeeTerms& terms)
{
    if (TenderFeeScheduleById(terms.schedule) == nullptr) {
        return "没有名为“" + terms.schedule + "”的收费标准";
    }
    const KindRow& row = RowOf(terms.kind);
    if (terms.kind != TermsKind::Standard && !(terms.percent > 0 && terms.percent <= row.most)) {
        return std::string(row.named) + "应大于 0、不超过 " + FormatGeneral(row.most) + "%";
    }
    if (!(terms.minimumYuan >= 0) || !std::isfinite(terms.minimumYuan)) {
        return "最低收费不能为负数";
    }
    return {};
}

TermsReading ReadFeeTerms(std::string_view text)
{
    FeeTerms terms;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(';', at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view field = text.substr(at, end - at);
        at = end + 1;
        if (Trimmed(field).empty()) {
            continue;
        }
        const std::size_t equals = field.find('=');
        const std::string_view key = Trimmed(field.substr(0, equals));
        const std::string_view value = equals == std::string_view::npos
                                           ? std::string_view()
                                           : Trimmed(field.substr(equals + 1));
        if (key == "schedule") {
            terms.schedule = std::string(value);
        } else if (key == "kind") {
            const KindRow* found = nullptr;
            for (const KindRow& row : kKinds) {
                if (row.key == value) {
                    found = &row;
                }
            }
            if (found == nullptr) {
                return {std::nullopt, "不认识的收费方式“" + std::string(value) + "”"};
            }
            terms.kind = found->kind;
        } else if (key == "percent" || key == "minimum") {
            const auto number = PlainNumber(value);
            if (!number) {
                return {std::nullopt, "“" + std::string(field) + "”不是一个数"};
            }
            // held as its 15 significant digits: the value the terms' words
            // show is the one the figures use and the line keeps
            (key == "percent" ? terms.percent : terms.minimumYuan) = GeneralValue(*number);
        } else {
            return {std::nullopt, "不认识的收费条件“" + std::string(field) + "”"};
        }
    }
    if (std::string problem = TermsProblem(terms); !problem.empty()) {
        return {std::nullopt, std::move(problem)};
    }
    if (terms.kind == TermsKind::Standard) {
        terms.percent = FeeTerms{}.percent;  // a percent the standard does not use is not kept
    }
    return {std::move(terms), {}};
}

std::string WriteFeeTerms(const FeeTerms& terms)
{
    std::string text = "schedule=" + terms.schedule + ";kind=" + std::string(RowOf(terms.kind).key);
    if (terms.kind != TermsKind::Standard) {
        text += ";percent=" + FormatGeneral(terms.percent);
    }
    if (terms.minimumYuan > 0) {
        text += ";minimum=" + FormatGeneral(terms.minimumYuan);
    }
    return text;
}

std::string TermsWords(const FeeTerms& terms)
{
    const std::string percent = FormatGeneral(terms.percent) + "%";
    std::string words;
    switch (terms.kind) {
        case TermsKind::Standard:
            words = "按标准收取";
            break;
        case TermsKind::Share:
            words = "按标准的 " + percent + " 收取";
            break;
        case TermsKind::Discount:
            words = "按标准下浮 " + percent + " 收取";
            break;
        case TermsKind::FlatRate:
            words = "按中标金额的 " + percent + " 计取";
            break;
    }
    if (terms.minimumYuan > 0) {
        const std::string minimum = FormatGeneral(terms.minimumYuan);
        words += "；不足 " + minimum + " 元的按 " + minimum + " 元收取";
    }
    return words;
}

FeeByTerms ChargeByTerms(const TenderFeeSteps& standard, const FeeTerms& terms)
{
    using namespace working;
    const std::string percent = FormatGeneral(terms.percent) + "%";
    const double fraction = checked::Div(terms.percent, 100);
    FeeByTerms charged{standard.fee, {}};
    // "label：a×b=c 万元", after "≈" where c is rounded from the figures shown.
    const auto product = [&](std::string_view label, std::string_view a, std::string_view b,
                             double value) {
        const std::string shown = Num(value);
        Append(charged.working,
               {label, a, kTimes, b, Equals(Times(Exact(a), Exact(b)), shown), shown, " 万元"});
    };
    const std::string fee = Num(standard.fee);
    switch (terms.kind) {
        case TermsKind::Standard:
            Append(charged.working, {"按标准收取：", fee, " 万元"});
            break;
        case TermsKind::Share:
            charged.fee = checked::Mul(standard.fee, fraction);
            product("按标准的 " + percent + " 收取：", fee, percent, charged.fee);
            break;
        case TermsKind::Discount: {
            const double kept = checked::Sub(100, terms.percent);
            charged.fee = checked::Mul(standard.fee, checked::Div(kept, 100));
            product("按标准下浮 " + percent + " 收取：", fee, FormatGeneral(kept) + "%",
                    charged.fee);
            break;
        }
        case TermsKind::FlatRate: {
            const double rated = checked::Mul(standard.amount, fraction);
            product("按中标金额的 " + percent + " 计取：", Num(standard.amount), percent, rated);
            charged.fee = rated;
            if (standard.documentService) {
                charged.fee = checked::Mul(rated, kDocumentServiceFactor);
                charged.working += "\n";
                product("另计编制招标文件服务 30%：", Num(rated), Num(kDocumentServiceFactor),
                        charged.fee);
            }
            break;
        }
    }
    const double minimum = checked::Div(terms.minimumYuan, 10000);
    if (terms.minimumYuan > 0 && charged.fee < minimum) {
        charged.fee = minimum;
        Append(charged.working,
               {"\n不足 ", FormatGeneral(terms.minimumYuan), " 元，按 ",
                FormatGeneral(terms.minimumYuan), " 元（", Num(minimum), " 万元）收取"});
    }
    return charged;
}

}  // namespace kelvora
