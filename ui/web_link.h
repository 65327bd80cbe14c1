#pragma once
// The program's web page (its description and message board), opened in
// the default browser by the desktop. Nothing passes through a shell.

#include <stdexcept>
#include <string_view>

namespace kelvora::ui {

inline constexpr std::string_view kWebPageAddress = "https://kelvora.example.org/guide";

// Raised when the desktop has no program that opens the address.
class LinkOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Asks the desktop to open kWebPageAddress and returns at once.
void OpenWebPage();

}  // namespace kelvora::ui
