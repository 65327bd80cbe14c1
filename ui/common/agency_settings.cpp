#include "ui/common/agency_settings.h"

#include "ui/common/qt_text.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvora::ui {
namespace {

constexpr const char* kTermsKey = "terms/line";

QString AgencyKey(const AgencyField& field)
{
    return QStringLiteral("agency/") + QLatin1String(field.key);
}

}  // namespace

namespace {

// The value of `key` in `section` as the file itself holds it, for a
// settings file (not the registry); nothing where there is none.
std::optional<QString> RawValue(const QSettings& settings, const QString& section,
                                const QString& key)
{
    QFile file(settings.fileName());
    if (settings.format() == QSettings::NativeFormat && !QFileInfo(file).isFile()) {
        return std::nullopt;  // the registry
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    QString current;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = line.mid(1, line.size() - 2);
        } else if (current == section && line.startsWith(key + QLatin1Char('='))) {
            return line.mid(key.size() + 1).trimmed();
        }
    }
    return std::nullopt;
}

}  // namespace

QString SetAsideDamaged(QSettings& settings, QString& problem)
{
    if (settings.status() != QSettings::FormatError) {
        return {};
    }
    // what could not be read is not lost: a copy stays beside it
    const QString damaged =
        settings.fileName() + QStringLiteral(".damaged-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::copy(settings.fileName(), damaged)) {
        problem = QStringLiteral("设置文件“%1”已损坏，且无法另存一份，未保存。")
                      .arg(QDir::toNativeSeparators(settings.fileName()));
        return {};
    }
    // nothing read from it is written back
    settings.clear();
    QFile::remove(settings.fileName());
    return QDir::toNativeSeparators(damaged);
}

KeptSettings LoadKept(QSettings& settings)
{
    KeptSettings kept;
    if (settings.status() != QSettings::NoError) {
        kept.problem = settings.status() == QSettings::FormatError
                           ? QStringLiteral(
                                 "设置文件“%1”已损坏，本次按未保存任何设置启动；"
                                 "再次保存时会把它另存一份。")
                                 .arg(QDir::toNativeSeparators(settings.fileName()))
                           : QStringLiteral("无法读取设置“%1”，本次按未保存任何设置启动。")
                                 .arg(QDir::toNativeSeparators(settings.fileName()));
        return kept;
    }
    for (const AgencyField& field : kAgencyFields) {
        kept.agency.*field.value = settings.value(AgencyKey(field)).toString();
    }
    kept.terms = settings.value(QLatin1String(kTermsKey)).toString();
    // a line edited by hand without quotes is read only up to its first ";"
    const auto raw = RawValue(settings, QStringLiteral("terms"), QStringLiteral("line"));
    if (raw && !raw->startsWith(QLatin1Char('"')) && raw->contains(QLatin1Char(';'))) {
        kept.problem = QStringLiteral(
                           "设置文件“%1”中的“line=%2”一行只读到第一个分号（应整行加英文双引号），"
                           "本次按标准收取。")
                           .arg(QDir::toNativeSeparators(settings.fileName()), *raw);
        kept.terms.clear();
    }
    return kept;
}

QString SaveKept(QSettings& settings, const AgencyDetails& agency, const QString& terms)
{
    QString problem;
    const QString kept = SetAsideDamaged(settings, problem);
    if (!problem.isEmpty()) {
        return problem;
    }
    for (const AgencyField& field : kAgencyFields) {
        settings.setValue(AgencyKey(field), agency.*field.value);
    }
    settings.setValue(QLatin1String(kTermsKey), terms);
    settings.sync();
    // a settings object keeps the error it was read with: the file is read anew
    const QSettings::Status status =
        kept.isEmpty() ? settings.status()
                       : QSettings(settings.fileName(), settings.format()).status();
    if (status != QSettings::NoError) {
        return QStringLiteral("无法保存设置“%1”。")
            .arg(QDir::toNativeSeparators(settings.fileName()));
    }
    return kept.isEmpty() ? QString()
                          : QStringLiteral("已保存。原来损坏的设置文件另存为“%1”。").arg(kept);
}

const AgencySettings::Held& AgencySettings::Loaded() const
{
    if (!m_held) {
        QSettings settings;
        const KeptSettings kept = LoadKept(settings);
        const TermsReading reading = ReadFeeTerms(kept.terms.toStdString());
        QString problem = kept.problem;  // terms read cut short are not used
        if (problem.isEmpty() && !reading.terms) {
            problem = QStringLiteral("保存的收费条件无法使用（%1），本次按标准收取。")
                          .arg(ToQString(reading.problem));
        }
        m_held = Held{kept.agency, reading.terms.value_or(FeeTerms{}), problem};
    }
    return *m_held;
}

QString AgencySettings::TakeProblem()
{
    Loaded();
    return std::exchange(m_held->problem, QString());
}

QString AgencySettings::Save(const AgencyDetails& agency, const FeeTerms& terms)
{
    Loaded();
    m_held->agency = agency;
    m_held->terms = terms;  // this run follows them, saved or not
    QSettings settings;
    const QString said = SaveKept(settings, agency, ToQString(WriteFeeTerms(terms)));
    std::erase_if(m_listeners, [](const auto& listener) { return listener.first.isNull(); });
    const auto listeners = m_listeners;  // a listener may listen anew
    for (const auto& [context, changed] : listeners) {
        if (!context.isNull()) {
            changed();
        }
    }
    return said;
}

void AgencySettings::Listen(QObject* context, std::function<void()> changed)
{
    m_listeners.emplace_back(context, std::move(changed));
}

}  // namespace kelvora::ui
