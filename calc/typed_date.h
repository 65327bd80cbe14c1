#pragma once
// A date as a person writes or pastes it: "2024/3/4", "2024-03-04",
// "2024.3.4", "20240304" or "2024年3月4日", full-width digits too, blanks
// anywhere. The date boxes and the batch read dates this one way.
//
//   "2024年3月4日" --ReadTypedDate--> Valid 2024-03-04
//   "2023/2/29"   --ReadTypedDate--> NotReal

#include <string_view>

namespace kelvora {

struct CivilDay {
    int year, month, day;
    friend constexpr auto operator<=>(const CivilDay&, const CivilDay&) = default;
};

// The days a date box can hold.
inline constexpr CivilDay kFirstPickableDay{1601, 1, 1};
inline constexpr CivilDay kLastPickableDay{9999, 12, 31};

enum class TypedDateKind {
    NoDate,   // not written as a whole date
    Valid,    // a real day
    NotReal,  // written as a date, but no such day exists
};

struct TypedDate {
    TypedDateKind kind = TypedDateKind::NoDate;
    CivilDay day{};
};

TypedDate ReadTypedDate(std::string_view text);

}  // namespace kelvora
