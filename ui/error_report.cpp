#include "ui/error_report.h"

#include <QMessageBox>

#include "calc/float_error.h"
#include "ui/web_link.h"

namespace kelvora::ui {

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
    return QString::fromUtf8(error.what());
}

void RunReported(QWidget* parent, const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::exception& error) {
        QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kReportTitle), ErrorName(error),
                        QMessageBox::Ok, parent);
        box.setInformativeText(QStringLiteral("结果保持原样，可修改输入后重新计算。"));
        box.exec();
    }
}

}  // namespace kelvora::ui
