#pragma once
// What the program keeps between runs, and only once the user saves it: the
// agency's details (for the sheets' header and the fee notices) and its fee
// terms, in the platform's standard place for settings (QSettings: the
// registry on Windows, ~/.config/Kelvora/Kelvora.conf on Linux). The window
// holds them as data in one AgencySettings, read once when first needed;
// the pages, the batches, the notices and the sheets read it, the terms'
// dialog saves through it, and whoever listens hears of a change.
//
//   settings --LoadKept--> KeptSettings (+ why they could not be read)
//   dialog --SaveKept--> settings (a damaged file kept aside first)
//   AgencySettings: agency(), terms() --Save--> settings + listeners

#include <QPointer>
#include <QSettings>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "calc/fee_terms.h"

namespace kelvora::ui {

struct AgencyDetails {
    QString name, address, contact, phone, accountName, bank, account, payment, payer;
};

struct AgencyField {
    const char* name;  // UTF-8, as the dialog and the notice say it
    const char* key;   // in the settings
    QString AgencyDetails::*value;
};

inline constexpr std::array<AgencyField, 9> kAgencyFields{{
    {"机构名称", "name", &AgencyDetails::name},
    {"地址", "address", &AgencyDetails::address},
    {"联系人", "contact", &AgencyDetails::contact},
    {"电话", "phone", &AgencyDetails::phone},
    {"开户名称", "accountName", &AgencyDetails::accountName},
    {"开户银行", "bank", &AgencyDetails::bank},
    {"账号", "account", &AgencyDetails::account},
    {"缴费期限", "payment", &AgencyDetails::payment},
    {"付费方", "payer", &AgencyDetails::payer},
}};

// Who pays by default: the tenderer, unless the tender documents say otherwise.
inline constexpr std::array<const char*, 2> kPayers{"招标人", "中标人"};

struct KeptSettings {
    AgencyDetails agency;
    QString terms;    // the fee terms as one line (calc/fee_terms.h)
    QString problem;  // why the settings could not be read; they are empty then
};

KeptSettings LoadKept(QSettings& settings);

// A settings file that could not be read is never written over: it is
// copied aside ("….damaged-20261208-101500") and emptied before anything is
// saved. Returns the copy's name, or empty when the file was sound; `problem`
// says why it could not be copied, and nothing may be saved then.
QString SetAsideDamaged(QSettings& settings, QString& problem);

// Writes them; an empty string, or why they could not be written. A file
// that could not be read is copied aside before it is replaced, and the
// message names the copy.
QString SaveKept(QSettings& settings, const AgencyDetails& agency, const QString& terms);

// The agency's details and terms as the window holds them.
class AgencySettings {
public:
    AgencySettings() = default;

    // Read from the settings the first time any of them is asked for.
    const AgencyDetails& agency() const { return Loaded().agency; }
    const FeeTerms& terms() const { return Loaded().terms; }
    // Why the kept ones could not be used (a damaged file, terms that cannot
    // be used): said once, then empty.
    QString TakeProblem();

    // Keeps them for this run and writes them to the settings; every listener
    // hears of it. Returns what to tell the user: "" when saved quietly, the
    // copy of a damaged file, or why they could not be written.
    QString Save(const AgencyDetails& agency, const FeeTerms& terms);

    // `changed` is called after every save while `context` lives.
    void Listen(QObject* context, std::function<void()> changed);

private:
    struct Held {
        AgencyDetails agency;
        FeeTerms terms;
        QString problem;
    };
    const Held& Loaded() const;

    mutable std::optional<Held> m_held;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_listeners;
};

}  // namespace kelvora::ui
