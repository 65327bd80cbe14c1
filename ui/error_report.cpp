#include "ui/error_report.h"

#include <QMessageBox>

#include "calc/float_error.h"
#include "ui/web_link.h"

namespace kelvora::ui {
namespace {

void Show(QWidget* parent, const QString& name)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kReportTitle), name, QMessageBox::Ok,
                    parent);
    box.setInformativeText(QStringLiteral("结果保持原样，可修改输入后重新计算。"));
    box.exec();
}

}  // namespace

QString ErrorName(const std::exception& error)
{
    if (const auto* fp = dynamic_cast<const FloatingPointError*>(&error)) {
        switch (fp->fault()) {
            case FloatFault::Overflow:
                return QStringLiteral("溢出");
            case FloatFault::DivisionByZero:
                return QStringLiteral("除数为零");
            case FloatFault::InvalidOperation:
                return QStringLiteral("无效的过程调用或参数");
        }
    }
    if (dynamic_cast<const LinkOpenError*>(&error) != nullptr) {
        return QStringLiteral("文件未找到");
    }
    // Anything else is the program's own fault; its English text means
    // nothing to the user.
    return QStringLiteral("程序内部错误");
}

void RunReported(QWidget* parent, const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::exception& error) {
        Show(parent, ErrorName(error));
    } catch (...) {
        Show(parent, QStringLiteral("程序内部错误"));
    }
}

}  // namespace kelvora::ui
