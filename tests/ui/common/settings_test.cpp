// What is kept between runs keeps its promises: a damaged file is set aside
// before anything is written and nothing read from it is used; the terms and
// the imported holiday years are saved without losing each other or another
// copy's; a hand-edited line read cut short is named.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "calc/legal_holidays.h"
#include "ui/common/agency_settings.h"
#include "ui/timetable/kept_calendar.h"

namespace kelvora::testing {
namespace {

// A year's notice with the law's holidays of 2027 and one more day.
HolidayCalendar WithYear(const char* extra)
{
    HolidayCalendar calendar;
    const std::string text =
        "2027-01-01 休\n2027-02-05 休\n2027-02-06 休\n2027-02-07 休\n2027-02-08 休\n"
        "2027-04-05 休\n2027-05-01 休\n2027-05-02 休\n2027-06-09 休\n2027-09-15 休\n"
        "2027-10-01 休\n2027-10-02 休\n2027-10-03 休\n" +
        std::string(extra);
    EXPECT_EQ(calendar.AddYears(ReadCalendarFile(text).years), "");
    return calendar;
}

HolidayCalendar Year2028()
{
    HolidayCalendar calendar;
    CalendarYear year;
    year.year = 2028;
    year.source = "2028 年通知";
    const auto law = LegalHolidays(2028);
    for (const auto& holiday : *law) {
        year.holidays.push_back(holiday.day);
    }
    EXPECT_EQ(calendar.AddYears({year}), "");
    return calendar;
}

class SettingsTest : public ::testing::Test {
protected:
    QString Path() const { return m_folder.filePath("Kelvora.conf"); }
    void Write(const QByteArray& text) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QStringList SetAside() const
    {
        return QDir(m_folder.path()).entryList({"Kelvora.conf.damaged-*"}, QDir::Files);
    }

    QTemporaryDir m_folder;
};

TEST_F(SettingsTest, ADamagedFileIsSetAsideAndNothingOfItIsUsed)
{
    Write("[calendar\nimported=2027-10-04 休\n[terms]\nline=schedule=2011\n");
    const struct {
        const char* what;
        std::function<QString(QSettings&)> save;
    } saves[] = {
        {"the terms", [](QSettings& s) { return ui::SaveKept(s, {}, "schedule=2011"); }},
        {"a holiday year", [](QSettings& s) { return ui::KeepCalendarYears(s, WithYear("")); }},
    };
    for (const auto& save : saves) {
        SCOPED_TRACE(save.what);
        Write("[calendar\nimported=2027-10-04 休\n[terms]\nline=schedule=2011\n");
        for (const QString& old : SetAside()) {
            QFile::remove(m_folder.filePath(old));
        }
        QSettings settings(Path(), QSettings::IniFormat);
        QString problem;
        const HolidayCalendar loaded = ui::LoadKeptCalendar(settings, problem);
        EXPECT_FALSE(problem.isEmpty());
        EXPECT_FALSE(loaded.Knows(2027));  // nothing of the damaged file
        EXPECT_FALSE(ui::LoadKept(settings).problem.isEmpty());
        const QString said = save.save(settings);
        EXPECT_TRUE(said.contains(".damaged-")) << said.toStdString();
        ASSERT_EQ(SetAside().size(), 1);
        QFile copy(m_folder.filePath(SetAside().front()));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_TRUE(copy.readAll().startsWith("[calendar\nimported"));
        QSettings again(Path(), QSettings::IniFormat);
        EXPECT_EQ(again.status(), QSettings::NoError);
    }
}

TEST_F(SettingsTest, TermsAndYearsAreKeptTogetherAndWithAnotherCopys)
{
    {
        QSettings settings(Path(), QSettings::IniFormat);
        EXPECT_EQ(ui::KeepCalendarYears(settings, WithYear("2027-10-04 休\n")), "");
    }
    {
        // another copy of the program, started before, imports another year
        QSettings other(Path(), QSettings::IniFormat);
        EXPECT_EQ(ui::KeepCalendarYears(other, Year2028()), "");
    }
    {
        // and the terms are saved, with a ";" in them
        QSettings settings(Path(), QSettings::IniFormat);
        EXPECT_EQ(ui::SaveKept(settings, {}, "schedule=2011;kind=share;percent=80"), "");
    }
    QSettings settings(Path(), QSettings::IniFormat);
    QString problem;
    const HolidayCalendar calendar = ui::LoadKeptCalendar(settings, problem);
    EXPECT_EQ(problem, "");
    EXPECT_TRUE(calendar.Knows(2027));
    EXPECT_TRUE(calendar.Knows(2028));
    const ui::KeptSettings kept = ui::LoadKept(settings);
    EXPECT_EQ(kept.problem, "");
    EXPECT_EQ(kept.terms, "schedule=2011;kind=share;percent=80");  // read back whole
}

TEST_F(SettingsTest, AHandEditedLineReadCutShortIsNamed)
{
    Write(
        "[agency]\nname=城南招标代理有限公司\n[terms]\nline=schedule=2011;kind=share;percent=80\n");
    QSettings settings(Path(), QSettings::IniFormat);
    const ui::KeptSettings kept = ui::LoadKept(settings);
    EXPECT_TRUE(kept.problem.contains("line=schedule=2011;kind=share;percent=80"))
        << kept.problem.toStdString();
    EXPECT_EQ(kept.terms, "");  // not the part before the ";"
    EXPECT_EQ(kept.agency.name, "城南招标代理有限公司");
}

}  // namespace
}  // namespace kelvora::testing
