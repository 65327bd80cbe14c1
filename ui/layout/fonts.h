#pragma once
// Fonts of the window. Each role lists the face the layout was drawn with
// first, then faces that render Chinese on Windows and Linux alike. The
// lists are resolved once, when the window is made, to the first face that
// is installed (the system default when none is): asking Qt to look for
// faces that are not there costs a good part of the start-up.

#include <QFont>
#include <QStringList>
#include <array>

#include "ui/layout/control_table.h"

namespace kelvora::ui {

// The faces wanted for a role, in order of preference.
QStringList WantedFamilies(FontRole role);

class FontSet {
public:
    // Resolves every role against the installed families.
    FontSet();

    const QFont& operator[](FontRole role) const { return m_fonts[static_cast<std::size_t>(role)]; }

private:
    std::array<QFont, 5> m_fonts;
};

}  // namespace kelvora::ui
