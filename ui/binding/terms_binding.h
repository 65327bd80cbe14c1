#pragma once
// The agency's terms in the window: read from the settings into the line the
// figures read (Text6) when its page is first made, said once if the settings
// cannot be read; the link on the page and Ctrl+T open the terms' dialog,
// whose 保存 writes the settings and that line, so the figures that rest on
// it turn grey and the fee to charge shows or hides.
//
//   settings --LoadKept--> Text6 --the tender clicks--> 招标代理服务收费金额, 应收代理费
//   Ctrl+T | link --TermsDialog--> SaveKept + Text6

#include "ui/common/control_lookup.h"

class QWidget;

namespace kelvora::ui {

// Ctrl+T in `window`.
void SetUpTerms(QWidget& window, const ControlLookup& find);

// The link and the kept terms on tab page `page`, once it is made.
void OfferTermsOnPage(QWidget& window, const ControlLookup& find, int page);

// Opens the terms' dialog over `parent`; true when the user saved.
bool EditTerms(QWidget& parent, const ControlLookup& find);

}  // namespace kelvora::ui
