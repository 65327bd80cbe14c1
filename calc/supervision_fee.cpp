#include "calc/supervision_fee.h"

#include "calc/checked_math.h"
#include "calc/number_text.h"

namespace kelvora {
namespace {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sub;

// The line through the first two points, in two-point form, for amounts
// below the table. The divisor is worked out afresh rather than taken as the
// constant span: for huge negative amounts both differences round to the
// same double and the division fails as it should.
double BelowTable(double x) {
    const BasePricePoint& p0 = kBasePriceTable[0];
    const BasePricePoint& p1 = kBasePriceTable[1];
    const double b = Mul(Sub(p1.amount, x), p0.price);
    const double e = Mul(Sub(p0.amount, x), p1.price);
    const double n = Sub(b, e);
    const double divisor = Sub(Sub(p1.amount, x), Sub(p0.amount, x));
    return Div(n, divisor);
}

}  // namespace

double SupervisionBasePrice(double x) {
    if (x < kBasePriceTable.front().amount) {
        return BelowTable(x);
    }
    for (const BasePricePoint& point : kBasePriceTable) {
        if (x == point.amount) {
            return point.price;
        }
    }
    for (std::size_t i = 0; i + 1 < kBasePriceTable.size(); ++i) {
        if (x > kBasePriceTable[i].amount && x < kBasePriceTable[i + 1].amount) {
            const double d = Sub(x, kBasePriceTable[i].amount);
            const double p = Mul(SegmentRise(i), d);
            const double q = Div(p, SegmentSpan(i));
            return Add(q, kBasePriceTable[i].price);
        }
    }
    return Mul(x, kRateAboveTable);  // above the last point
}

double BenchmarkPrice(double base, double discipline, double complexity, double elevation) {
    return Mul(Mul(Mul(base, discipline), complexity), elevation);
}

double ChargedFee(double benchmark, double rangePercent) {
    const double share = Div(rangePercent, 100);
    return Mul(benchmark, Add(1, share));
}

void ComplexityCoefficient(Controls& controls, std::size_t grade) {
    controls.SetCaption("Label10", FormatTwoDecimals(kComplexityGrades.at(grade).coefficient));
}

void Command10Click(Controls& controls) {
    const double amount = ReadNumber(controls.Text("Text2"));
    controls.SetCaption("Label15", FormatGeneral(SupervisionBasePrice(amount)));
}

void Option1Click(Controls& controls) {
    ComplexityCoefficient(controls, 0);
}
void Option2Click(Controls& controls) {
    ComplexityCoefficient(controls, 1);
}
void Option3Click(Controls& controls) {
    ComplexityCoefficient(controls, 2);
}

void Command2Click(Controls& controls) {
    const double discipline = ReadNumber(controls.Text("Text4"));
    const double complexity = ReadNumber(controls.Text("Label10"));
    const double elevation = ReadNumber(controls.Text("Text3"));
    const double base = ReadNumber(controls.Text("Label15"));
    const double benchmark = BenchmarkPrice(base, discipline, complexity, elevation);
    controls.SetCaption("Label11", FormatGeneral(benchmark));
}

void Command3Click(Controls& controls) {
    const double benchmark = ReadNumber(controls.Text("Label11"));
    const double range = ReadNumber(controls.Text("Text5"));
    controls.SetCaption("Label14", FormatGeneral(ChargedFee(benchmark, range)));
}

}  // namespace kelvora
