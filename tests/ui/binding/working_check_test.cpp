// Every line of a working follows from what it shows: a reviewer who redoes
// each line with a desk calculator gets each result shown. The workings of a
// table of amounts are checked line by line with Python's fractions, apart
// from the program's own decimals: "=" must be exact, "≈" the exact value
// to the last of the 15 significant digits shown (the program computes with
// the double behind a figure shown, which can turn the last digit).

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"
#include "calc/test_page.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

constexpr const char* kChecker = R"py(
import re, sys
from fractions import Fraction
from decimal import Decimal

NUMBER = re.compile(r"\d+(?:\.\d+)?(?:E[+-]\d+)?")

def value(text):
    text = text.strip().replace("−", "-").replace("×", "*").replace("÷", "/")
    text = NUMBER.sub(lambda m: "Fraction(Decimal('%s'))" % m.group(0), text)
    text = text.replace("%", "/100")
    return eval(text)

def check(expression, relation, shown, where):
    exact, figure = value(expression), value(shown)
    if relation == "=":
        ok = exact == figure
    else:
        digits = Decimal(shown.strip()).adjusted()
        # rounded in the last of the 15 digits shown
        ok = exact != figure and abs(exact - figure) <= Fraction(10) ** (digits - 14)
    if not ok:
        print("DOES NOT FOLLOW: %s  [%s %s %s]" % (where, expression, relation, shown))
    return ok

failures = checked = 0
for block in open(sys.argv[1], encoding="utf-8").read().split("\n\n"):
    charges = []
    lines = [line for line in block.split("\n") if line]
    for i, line in enumerate(lines):
        body = line.split("：", 1)[-1].replace("万元", "").strip()
        if line.startswith("合计 "):
            relation = "≈" if "≈" in line else "="
            checked += 1
            failures += not check("+".join(charges), relation, body.replace("合计", "").replace("≈", ""), line)
            continue
        if line.startswith(("=", "≈")) and i + 1 < len(lines) and lines[i + 1][0] in "=≈":
            continue  # the expression; its result is on the next line
        if line[0] in "=≈" and i > 0 and lines[i - 1][0] == "=":
            checked += 1
            failures += not check(lines[i - 1][1:], line[0], line[1:], lines[i - 1] + " / " + line)
            continue
        match = re.fullmatch(r"(.*?)\s*([=≈])\s*([-\d.E+]+)", body)
        if match and any(op in match.group(1) for op in "×÷+−"):
            checked += 1
            failures += not check(match.group(1), match.group(2), match.group(3), line)
            if "%" in match.group(1) and not line.startswith(("单独", "收费金额")):
                charges.append(match.group(3))
print("checked %d lines, %d do not follow" % (checked, failures))
sys.exit(1 if failures or checked == 0 else 0)
)py";

// The working of the step shown in `result` (the yuan are checked elsewhere).
std::string Working(const Calculator& calculator, ControlName result, Texts texts,
                    Texts captions = {})
{
    return WorkingText(*WorkStep(calculator, result, texts, captions));
}

class WorkingSystemTest : public WindowTest {};

TEST_F(WorkingSystemTest, EveryLineRecomputesFromWhatItShows)
{
    KELVORA_READ_BACK_ON_LINUX("Python");
    std::string workings;
    for (const char* type : {"工程招标", "服务招标", "货物招标"}) {
        for (const char* amount :
             {"50", "105", "3456.78", "6000", "12345.6789", "99999.99", "123456.7", "1000000",
              "2000000.01", "12345678.9", "0.123456789012345"}) {
            for (const bool ticked : {false, true}) {
                TestPage page(TenderFeeCalculator());
                page.SetText(role::kTenderType, type);
                page.SetText(role::kTenderAmount, amount);
                page.SetTicked(role::kDocumentService, ticked);
                Command1Click(page);
                workings += WorkingText(*page.Shown(role::kTenderFee)) + "\n\n";
            }
        }
    }
    for (const char* basis : {"0", "250", "600", "1234.5", "3333.33", "6000", "15000", "35000",
                              "123456", "654321.987", "999999", "1500000.5"}) {
        workings +=
            Working(SupervisionFeeCalculator(), role::kBasePrice, {{role::kFeeBasis, basis}}) +
            "\n\n";
    }
    for (const char* base : {"16.5", "140.866666666667", "629.5"}) {
        for (const char* discipline : {"1", "0.9", "1.15"}) {
            workings +=
                Working(SupervisionFeeCalculator(), role::kBenchmark,
                        {{role::kDiscipline, discipline}, {role::kElevation, "1.1"}},
                        {{role::kBasePrice, base}, {role::kComplexityCoefficient, "1.15"}}) +
                "\n\n";
        }
        for (const char* range : {"-20", "-7.5", "3.3333", "15"}) {
            workings += Working(SupervisionFeeCalculator(), role::kChargedFee,
                                {{role::kRange, range}}, {{role::kBenchmark, base}}) +
                        "\n\n";
        }
    }
    QTemporaryDir folder;
    QFile file(folder.filePath("workings.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(workings.data(), static_cast<qint64>(workings.size()));
    file.close();
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {"-c", QString::fromUtf8(kChecker), file.fileName()});
    ASSERT_TRUE(python.waitForFinished(60000));
    const QString out =
        QString::fromUtf8(python.readAllStandardOutput() + python.readAllStandardError());
    EXPECT_EQ(python.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(" 0 do not follow")) << out.toStdString();
}

}  // namespace
}  // namespace kelvora::testing
