#pragma once
// The agency's terms in the window: the link on the tender page and Ctrl+T
// open the terms' dialog, whose 保存 saves them through the window's
// settings; the pages and batches that follow the terms hear of it, so the
// figures that rest on them turn grey and the fee to charge shows or hides.
// Settings that cannot be read are said once, when the page that uses them
// is first made.
//
//   Ctrl+T | link --TermsDialog--> AgencySettings::Save --> listeners

#include "ui/common/agency_settings.h"
#include "ui/common/control_lookup.h"

class QWidget;

namespace kelvora::ui {

// Ctrl+T in `window`.
void SetUpTerms(QWidget& window, AgencySettings& settings);

// The link to the dialog on tab page `page`, once it is made.
void OfferTermsOnPage(QWidget& window, const ControlLookup& find, int page,
                      AgencySettings& settings);

// Says once, over `window`, why the kept settings could not be used.
void SayUnreadSettings(QWidget& window, AgencySettings& settings);

// Opens the terms' dialog over `parent`; true when the user saved.
bool EditTerms(QWidget& parent, AgencySettings& settings);

}  // namespace kelvora::ui
