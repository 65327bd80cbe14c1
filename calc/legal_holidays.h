#pragma once
// The public holidays 《全国年节及纪念日放假办法》 (as amended in 2024) fixes for
// every year: 元旦 1 天 (1 月 1 日); 春节 4 天 (农历除夕、正月初一至初三); 清明节
// 1 天; 劳动节 2 天 (5 月 1、2 日); 端午节 1 天 (农历五月初五); 中秋节 1 天 (农历
// 八月十五); 国庆节 3 天 (10 月 1 日至 3 日). The lunar days and 清明 are data
// (legal_holidays.inc, written by scripts/holidays/make_legal_holidays.py
// from the new moons and solar terms in Beijing time). What the yearly
// notice adds — the weekend days folded into a break and the 调休 working
// days — is not known before it is published.
//
//   year --LegalHolidays--> the law's holiday days, with their festival, or none

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

struct LegalHoliday {
    std::chrono::sys_days day;
    const char* festival;  // "国庆节"
};

// The years the table covers.
inline constexpr int kFirstLegalYear = 2027;
inline constexpr int kLastLegalYear = 2050;

// The law's holidays of `year` in order, or nothing for a year the table does not cover.
std::optional<std::vector<LegalHoliday>> LegalHolidays(int year);

}  // namespace kelvora
