#!/usr/bin/env python3
"""Writes calc/legal_holidays.inc: the lunar and solar-term days of the public
holidays that 《全国年节及纪念日放假办法》 fixes for every year (除夕 and 正月初一
to 初三 of 春节, 清明, 端午, 中秋), for the years no State Council notice has
been built in for.

Each date is taken from the times of the new moons and the solar terms in
Beijing time (UTC+8), from PyEphem (Debian: python3-ephem), by the rules of
GB/T 33661-2017 《农历的编算和颁行》: a month starts on the day of its new
moon; the month that holds the winter solstice is the eleventh; in a year of
thirteen months between two eleventh months, the first month without a
principal term (中气) is the leap month.

Every date is then checked against the `lunar` program (Debian: lunar, its own
tables to 2049) and against the notices of 2024-2026, and each disagreement is
printed; a new moon or a term within 10 minutes of midnight is printed too.

    python3 scripts/holidays/make_legal_holidays.py 2027 2050 > calc/legal_holidays.inc
    python3 scripts/holidays/make_legal_holidays.py 2027 2050 --lunar > tests/calc/lunar_program_dates.inc

The second form writes the dates of the `lunar` program alone, the second
source the tests check the table against.
"""
import datetime
import math
import subprocess
import sys

import ephem

BEIJING = datetime.timedelta(hours=8)
NEAR_MIDNIGHT = datetime.timedelta(minutes=10)
warnings = {}  # in the order first said


def beijing(date):
    return ephem.Date(date).datetime() + BEIJING


def day_of(date, what):
    moment = beijing(date)
    since_midnight = moment - datetime.datetime.combine(moment.date(), datetime.time())
    if since_midnight < NEAR_MIDNIGHT or since_midnight > datetime.timedelta(days=1) - NEAR_MIDNIGHT:
        warnings[f"{what} at {moment:%Y-%m-%d %H:%M:%S} Beijing time: near midnight"] = None
    return moment.date()


def solar_longitude(date):
    sun = ephem.Sun(date)
    return math.degrees(ephem.Ecliptic(ephem.Equatorial(sun.ra, sun.dec, epoch=date), epoch=date).lon)


def term_after(start, degrees):
    """The moment after `start` when the sun's apparent longitude reaches `degrees`."""
    def past(date):
        return (solar_longitude(date) - degrees + 180) % 360 - 180

    low = ephem.Date(start)
    step = 1.0
    while past(low) >= 0 or past(low + step) < 0:
        low = ephem.Date(low + step)
    high = ephem.Date(low + step)
    for _ in range(60):
        middle = ephem.Date((low + high) / 2)
        if past(middle) < 0:
            low = middle
        else:
            high = middle
    return ephem.Date(high)


def new_moons(first, last):
    moons = []
    date = ephem.previous_new_moon(first)
    while date <= last:
        moons.append(date)
        date = ephem.next_new_moon(ephem.Date(date + 1))
    moons.append(date)
    return moons


def months_of(year):
    """The months from the eleventh of year-1 to the eleventh of `year`:
    (first day, number, leap)."""
    solstice_before = term_after(ephem.Date(f"{year - 1}/12/1"), 270)
    solstice = term_after(ephem.Date(f"{year}/12/1"), 270)
    starts = [day_of(m, "new moon") for m in new_moons(ephem.Date(solstice_before - 40),
                                                        ephem.Date(solstice + 40))]
    ws_before, ws = day_of(solstice_before, "winter solstice"), day_of(solstice, "winter solstice")
    eleventh = max(i for i, s in enumerate(starts) if s <= ws_before)
    next_eleventh = max(i for i, s in enumerate(starts) if s <= ws)
    principal = []
    date = ephem.Date(solstice_before - 1)
    for _ in range(14):
        date = term_after(ephem.Date(date + 1), (round(solar_longitude(date + 25) / 30) * 30) % 360)
        principal.append(day_of(date, "principal term"))
    leap_year = next_eleventh - eleventh == 13
    months = []
    number = 11
    leap_taken = False
    for i in range(eleventh, next_eleventh + 1):
        first, following = starts[i], starts[i + 1]
        has_principal = any(first <= p < following for p in principal)
        if i == eleventh:
            months.append((first, 11, False))
            continue
        if leap_year and not leap_taken and not has_principal:
            leap_taken = True
            months.append((first, number, True))
            continue
        number = number % 12 + 1
        months.append((first, number, False))
    return months, starts


def lunar_day(year, month, day):
    months, starts = months_of(year)
    for index, (first, number, leap) in enumerate(months):
        if number == month and not leap and (month < 11 or index > 0):
            return first + datetime.timedelta(days=day - 1)
    raise ValueError(f"{year} has no month {month}")


def new_years_eve(year):
    return lunar_day(year, 1, 1) - datetime.timedelta(days=1)


def qingming(year):
    return day_of(term_after(ephem.Date(f"{year}/3/25"), 15), "清明")


def lunar_program(year, month, day):
    """The same day by the `lunar` program, or None where it has none."""
    try:
        out = subprocess.run(["lunar", "-i", str(year), str(month), str(day)],
                             capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return None
    for line in out.splitlines():
        if line.startswith("Solar :"):
            y, m, d = line.split()[2].split(".")[:3]
            return datetime.date(int(y), int(m), int(d))
    return None


def second_source(first, last):
    print("// 春节, 端午 and 中秋 by the `lunar` program (Debian: lunar " +
          subprocess.run(["dpkg-query", "-W", "-f=${Version}", "lunar"], capture_output=True,
                         text=True).stdout + "), its own tables,")
    print("// written by scripts/holidays/make_legal_holidays.py --lunar; years it has no table for are left out.")
    print("//   year, 春节, 端午, 中秋 (month, day)")
    for year in range(first, last + 1):
        days = [lunar_program(year, m, d) for m, d in ((1, 1), (5, 5), (8, 15))]
        if all(days):
            print(f"    {{{year}, " + ", ".join(f"{{{d.month}, {d.day}}}" for d in days) + "},")


def main():
    first, last = int(sys.argv[1]), int(sys.argv[2])
    if "--lunar" in sys.argv:
        second_source(first, last)
        return
    rows = []
    for year in range(first, last + 1):
        spring = lunar_day(year, 1, 1)
        dates = {
            "除夕": new_years_eve(year),
            "春节": spring,
            "清明": qingming(year),
            "端午": lunar_day(year, 5, 5),
            "中秋": lunar_day(year, 8, 15),
        }
        for name, (month, day) in {"春节": (1, 1), "端午": (5, 5), "中秋": (8, 15)}.items():
            other = lunar_program(year, month, day)
            if other is not None and other != dates[name]:
                warnings[f"{year} {name}: {dates[name]} here, {other} by lunar"] = None
            if other is None:
                warnings[f"{year} {name}: lunar has no date"] = None
        rows.append((year, dates))
    # the notices of 2024-2026 against the same rules
    notices = {2024: ("02-10", "04-04", "06-10", "09-17"), 2025: ("01-29", "04-04", "05-31", "10-06"),
               2026: ("02-17", "04-05", "06-19", "09-25")}
    for year, (spring, qm, duanwu, zhongqiu) in notices.items():
        mine = (lunar_day(year, 1, 1), qingming(year), lunar_day(year, 5, 5), lunar_day(year, 8, 15))
        for name, notice, got in zip(("春节", "清明", "端午", "中秋"), (spring, qm, duanwu, zhongqiu), mine):
            if got.strftime("%m-%d") != notice:
                warnings[f"{year} {name}: {got} here, {year}-{notice} by the notice"] = None
    print("// The lunar and solar-term days of the public holidays of 《全国年节及纪念日")
    print("// 放假办法》, written by scripts/holidays/make_legal_holidays.py from the new")
    print("// moons and solar terms of PyEphem " + ephem.__version__ + " in Beijing time (GB/T 33661-2017),")
    print("// checked against the `lunar` program and the notices of 2024-2026.")
    print("// Do not edit: run the script again.")
    print("//   year, 除夕, 清明, 端午, 中秋 (month, day)")
    for year, d in rows:
        cells = ", ".join(f"{{{d[k].month}, {d[k].day}}}" for k in ("除夕", "清明", "端午", "中秋"))
        print(f"    {{{year}, {cells}}},")
    for warning in warnings:
        print(warning, file=sys.stderr)


if __name__ == "__main__":
    main()
