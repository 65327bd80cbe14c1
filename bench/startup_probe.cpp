// Starts either the real Kelvora window ("real") or the floor it is measured
// against ("bare"): a bare window of the same size that opens and draws the
// same two CJK faces, one sans label and one 10.5 pt serif label holding the
// opening page's prompt texts. At the first painted frame it prints, then quits:
//   <painted> <peak resident kB> <main entered> <application made> <window made> <shown>
// the times being CLOCK_MONOTONIC nanoseconds.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#include "ui/layout/control_table.h"
#include "ui/layout/fonts.h"
#include "ui/window/main_window.h"

namespace {

long PeakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Reports once the first frame of the watched window is painted: the paint
// events of all its widgets run in one pass, and the zero timer fires after it.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, const long long (&phases)[4]) : m_phases(phases)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [this] {
                std::printf("%lld %ld %lld %lld %lld %lld\n", MonotonicNs(), PeakResidentKb(),
                            m_phases[0], m_phases[1], m_phases[2], m_phases[3]);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    const long long (&m_phases)[4];
    bool m_seen = false;
};

std::unique_ptr<QWidget> MakeFloorWindow()
{
    using namespace kelvora;
    const ui::FontSet fonts;
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(477, 513);
    auto* sans = new QLabel(QStringLiteral("工程监理取费计算器"), window.get());
    sans->setFont(fonts[ui::FontRole::Default]);
    sans->move(20, 20);
    QStringList prompts;  // the prompts of the page the window opens on
    for (const ui::ControlRow& row : ui::ControlRows()) {
        if (row.kind == ui::ControlKind::PromptLabel && row.container == role::kSupervisionFrame) {
            prompts << QString::fromUtf8(row.content.data(),
                                         static_cast<qsizetype>(row.content.size()));
        }
    }
    auto* serif = new QLabel(prompts.join(QLatin1Char(' ')), window.get());
    // the serif face of the prompts as a plain label draws it
    QFont serifFont(fonts[ui::FontRole::Prompt].families().value(0));
    serifFont.setPointSizeF(10.5);
    serif->setFont(serifFont);
    serif->move(20, 60);
    return window;
}

}  // namespace

int main(int argc, char* argv[])
{
    long long phases[4] = {MonotonicNs(), 0, 0, 0};
    const bool real = argc > 1 && std::strcmp(argv[1], "real") == 0;
    QApplication app(argc, argv);
    phases[1] = MonotonicNs();
    std::unique_ptr<QWidget> window;
    if (real) {
        window = std::make_unique<MainWindow>();
    } else {
        window = MakeFloorWindow();
    }
    phases[2] = MonotonicNs();
    FirstFrame watch(window.get(), phases);
    window->show();
    phases[3] = MonotonicNs();
    return QApplication::exec();
}
