#include "calc/step_outcome.h"

namespace kelvora {

std::string WorkingText(const StepOutcome& outcome)
{
    std::string text;
    for (const std::string& line : outcome.working) {
        if (!text.empty()) {
            text += '\n';
        }
        text += line;
    }
    return text;
}

std::string ShownWorking(const StepOutcome& outcome)
{
    std::string text = WorkingText(outcome);
    if (outcome.money) {
        text += '\n';
        text += YuanLines(*outcome.money);
    }
    return text;
}

std::vector<std::string> WorkingLines(std::string_view text)
{
    std::vector<std::string> lines;
    if (text.empty()) {
        return lines;
    }
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find('\n', from);
        lines.emplace_back(text.substr(from, end - from));
        if (end == std::string_view::npos) {
            break;
        }
        from = end + 1;
    }
    return lines;
}

}  // namespace kelvora
