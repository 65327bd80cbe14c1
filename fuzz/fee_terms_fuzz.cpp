// Fuzzes the reader of the agency's fee terms (a line kept in the settings,
// editable by hand). For any input bytes:
// - ReadFeeTerms returns terms or says why not, and nothing else;
// - accepted terms are written as a line that reads back as the same terms,
//   and that line is written again unchanged (read-write-read stable);
// - the terms in words are made without fault.

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/fee_terms.h"
#include "fuzz/require.h"

using kelvora::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kelvora::TermsReading reading = kelvora::ReadFeeTerms(text);
    Require(reading.terms.has_value() != !reading.problem.empty(), "terms or a reason", text);
    if (!reading.terms) {
        return 0;
    }
    const std::string line = kelvora::WriteFeeTerms(*reading.terms);
    const kelvora::TermsReading again = kelvora::ReadFeeTerms(line);
    Require(again.terms.has_value(), "written terms read back", line);
    Require(*again.terms == *reading.terms, "the same terms read back", line);
    Require(kelvora::WriteFeeTerms(*again.terms) == line, "written again unchanged", line);
    static_cast<void>(kelvora::TermsWords(*reading.terms));
    return 0;
}
