#pragma once
// Qt's own texts (message box buttons, the text boxes' context menus) in
// Simplified Chinese, from Qt's zh_CN translation built into the program,
// whatever the system's language.

namespace kelvora::ui {

// Installs the translation into the application, once.
void InstallChineseQtTexts();

}  // namespace kelvora::ui
