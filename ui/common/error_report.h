#pragma once
// The one place where the program tells the user something: a failed
// handler (its result caption left as it was, a box titled "Kelvora" naming
// the error, the program going on with every input and result intact), a
// step to take first, a file that could not be written, a file saved.

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

// A box that says what to do first ("请先点击“计算”"), its text selectable.
void Tell(QWidget& parent, const QString& message);

// A box with a warning: something the user asked for did not happen (a file
// that could not be written), its text selectable.
void Warn(QWidget& parent, const QString& message);

// Says for a few seconds, at the foot of `window`, that a file was saved
// and where ("已保存：…"); the path can be selected and copied.
void ShowSaved(QWidget& window, const QString& path);

}  // namespace kelvora::ui
