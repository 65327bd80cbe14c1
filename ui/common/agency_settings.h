#pragma once
// What the program keeps between runs, and only once the user saves it: the
// agency's details (for the sheets' header and the fee notices) and its fee
// terms, in the platform's standard place for settings (QSettings: the
// registry on Windows, ~/.config/Kelvora/Kelvora.conf on Linux).
//
//   settings --LoadKept--> KeptSettings (+ why they could not be read)
//   dialog --SaveKept--> settings (a damaged file kept aside first)

#include <QSettings>
#include <QString>
#include <array>

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

// Writes them; an empty string, or why they could not be written. A file
// that could not be read is copied aside before it is replaced, and the
// message names the copy.
QString SaveKept(QSettings& settings, const AgencyDetails& agency, const QString& terms);

}  // namespace kelvora::ui
