#pragma once
// Every control of the window, named once by the part it plays. The click
// layers, the control table, the wiring table and the tests all speak of
// controls through these constants, so a misspelt name does not compile;
// the string inside is the control's name, which is also its objectName.
//
//   role::kFeeBasis --Controls::Text--> "Text2"'s text
//   role::kBasePrice --Controls::WriteResult--> "Label15"'s caption and working

#include <string_view>

namespace kelvora {

class ControlName {
public:
    explicit constexpr ControlName(std::string_view name) : m_name(name) {}
    constexpr std::string_view str() const { return m_name; }
    // The same constant first (its text is one literal), then the same text.
    friend constexpr bool operator==(ControlName a, ControlName b)
    {
        return (a.m_name.data() == b.m_name.data() && a.m_name.size() == b.m_name.size()) ||
               a.m_name == b.m_name;
    }

private:
    std::string_view m_name;
};

namespace role {

// Where a table has no control to name.
inline constexpr ControlName kNone{""};

inline constexpr ControlName kWindow{"Form1"};
inline constexpr ControlName kTitle{"Label23"};
inline constexpr ControlName kTabs{"SSTab1"};

// Tender agency fee page
inline constexpr ControlName kTenderFrame{"Frame1"};
inline constexpr ControlName kCredit{"Label24"};
inline constexpr ControlName kTenderAmountPrompt{"Label2"};
inline constexpr ControlName kTenderAmount{"Text1"};
inline constexpr ControlName kTenderTypePrompt{"Label3"};
inline constexpr ControlName kTenderType{"Combo1"};
inline constexpr ControlName kDocumentService{"Check1"};
inline constexpr ControlName kTenderFeePrompt{"Label6"};
inline constexpr ControlName kTenderFeeBox{"Shape1"};
inline constexpr ControlName kTenderFee{"Label5"};
inline constexpr ControlName kTenderCalculate{"Command1"};
inline constexpr ControlName kTenderBatch{"Command5"};
// The agency's fee terms: the link to their dialog, and the fee to charge by them.
inline constexpr ControlName kTermsEntry{"Command8"};
inline constexpr ControlName kTimetableEntry{"Command9"};
inline constexpr ControlName kTenderChargePrompt{"Label25"};
inline constexpr ControlName kTenderChargeBox{"Shape7"};
inline constexpr ControlName kTenderCharge{"Label26"};

// Supervision fee page
inline constexpr ControlName kSupervisionFrame{"Frame2"};
inline constexpr ControlName kFeeBasisPrompt{"Label1"};
inline constexpr ControlName kFeeBasis{"Text2"};
inline constexpr ControlName kBasePricePrompt{"Label4"};
inline constexpr ControlName kBasePriceBox{"Shape2"};
inline constexpr ControlName kBasePrice{"Label15"};
inline constexpr ControlName kBasePriceCalculate{"Command10"};
inline constexpr ControlName kDisciplinePrompt{"Label7"};
inline constexpr ControlName kDiscipline{"Text4"};
inline constexpr ControlName kComplexityPrompt{"Label8"};
inline constexpr ControlName kComplexityGeneral{"Option1"};
inline constexpr ControlName kComplexityModerate{"Option2"};
inline constexpr ControlName kComplexityHigh{"Option3"};
inline constexpr ControlName kComplexityCoefficientPrompt{"Label9"};
inline constexpr ControlName kComplexityCoefficientBox{"Shape3"};
inline constexpr ControlName kComplexityCoefficient{"Label10"};
inline constexpr ControlName kElevationPrompt{"Label12"};
inline constexpr ControlName kElevation{"Text3"};
inline constexpr ControlName kBenchmarkCalculate{"Command2"};
inline constexpr ControlName kBenchmarkBox{"Shape4"};
inline constexpr ControlName kBenchmark{"Label11"};
inline constexpr ControlName kRangePrompt{"Label13"};
inline constexpr ControlName kRange{"Text5"};
inline constexpr ControlName kChargedFeeCalculate{"Command3"};
inline constexpr ControlName kChargedFeeBox{"Shape5"};
inline constexpr ControlName kChargedFee{"Label14"};
inline constexpr ControlName kSupervisionBatch{"Command6"};

// Construction period page
inline constexpr ControlName kPeriodFrame{"Frame3"};
inline constexpr ControlName kStartPrompt{"Label17"};
inline constexpr ControlName kStartDate{"DTPicker1"};
inline constexpr ControlName kCompletionPrompt{"Label18"};
inline constexpr ControlName kCompletionDate{"DTPicker2"};
inline constexpr ControlName kPeriodPrompt{"Label19"};
inline constexpr ControlName kPeriodBox{"Shape6"};
inline constexpr ControlName kPeriod{"Label16"};
inline constexpr ControlName kPeriodCalculate{"Command4"};
inline constexpr ControlName kPeriodBatch{"Command7"};

// About page
inline constexpr ControlName kAboutFrame{"Frame4"};
inline constexpr ControlName kAboutNotice{"Label20"};
inline constexpr ControlName kMethodNotice{"Label21"};
inline constexpr ControlName kWebLink{"Label22"};

}  // namespace role
}  // namespace kelvora
