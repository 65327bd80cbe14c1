#pragma once
// The program's web page (its description and message board), and files it
// writes, opened by the desktop's default program. Nothing passes through a
// shell.

#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvora::ui {

inline constexpr std::string_view kWebPageAddress = "https://kelvora.example.org/guide";

// Raised when the desktop has no program that opens an address or a file.
class LinkOpenError : public std::runtime_error {
public:
    // `target` is the address, or the path of a local file.
    LinkOpenError(std::string target, bool localFile)
        : std::runtime_error("cannot open " + target),
          m_target(std::move(target)),
          m_localFile(localFile)
    {
    }
    const std::string& target() const { return m_target; }
    bool localFile() const { return m_localFile; }

private:
    std::string m_target;
    bool m_localFile;
};

// Asks the desktop to open kWebPageAddress and returns at once.
void OpenWebPage();

// Asks the desktop to open a file with its default program (a PDF viewer).
void OpenLocalFile(const std::string& path);

}  // namespace kelvora::ui
