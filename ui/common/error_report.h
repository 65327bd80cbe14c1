#pragma once
// The one place where a failed handler is reported. The handler's result
// caption is left as it was, a message box titled "Kelvora" names the error,
// and the program goes on with every input and result intact.

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace kelvora::ui {

inline constexpr const char* kReportTitle = "Kelvora";

// "溢出", "除数为零", "无效的过程调用或参数", "文件未找到", or "程序内部错误"
// for anything else: no internal English text reaches the user.
QString ErrorName(const std::exception& error);

// Runs `work`; whatever it throws is shown in a modal report over `parent`.
void RunReported(QWidget* parent, const std::function<void()>& work);

}  // namespace kelvora::ui
