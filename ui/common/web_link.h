#pragma once
// The program's guide (a Chinese user guide in HTML, installed with the
// program) and the files it writes, opened by the desktop's default program
// as file: addresses. Nothing passes through a shell.
//
//   link / tab strip double-click --OpenGuide--> guide/index.html in the browser

#include <QString>
#include <stdexcept>
#include <string>

namespace kelvora::ui {

// Raised when the desktop has no program that opens a file, or the file is not there.
class LinkOpenError : public std::runtime_error {
public:
    // `target` is the path of the local file; `missing` when there is no such file.
    LinkOpenError(std::string target, bool missing = false)
        : std::runtime_error("cannot open " + target),
          m_target(std::move(target)),
          m_missing(missing)
    {
    }
    const std::string& target() const { return m_target; }
    bool missing() const { return m_missing; }

private:
    std::string m_target;
    bool m_missing;
};

// Where the guide's first page is: beside the program ("guide/index.html",
// as on Windows and in the build folder) or in its shared documents
// ("../share/doc/kelvora/guide/index.html", as a Linux package installs it);
// the first of those places when it is in none.
QString GuidePath();

// Asks the desktop to open the guide and returns at once.
void OpenGuide();

// Asks the desktop to open a file with its default program (a PDF viewer).
void OpenLocalFile(const std::string& path);

}  // namespace kelvora::ui
