#include "ui/common/error_report.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "calc/float_error.h"
#include "ui/common/web_link.h"

namespace kelvora::ui {
namespace {

constexpr const char* kCalculationAdvice = "结果保持原样，可修改输入后重新计算。";

void Show(QWidget* parent, const QString& text, const QString& advice,
          QMessageBox::Icon icon = QMessageBox::Critical)
{
    QMessageBox box(icon, QString::fromLatin1(kReportTitle), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("report"));
    // what a message quotes (a file's line, a pasted cell, a path) is shown as written
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(advice);
    // an address or a path in the report can be copied
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

// What the user can do when the desktop could not open a file.
QString LinkAdvice(const LinkOpenError& error)
{
    const QString target = QString::fromStdString(error.target());
    if (error.missing()) {
        return QStringLiteral("找不到程序说明，它应在：\n") + target;
    }
    return QStringLiteral("无法用默认的程序打开以下文件，可在文件管理器中打开它：\n") + target;
}

}  // namespace

QString ErrorName(const std::exception& error)
{
    if (const auto* fp = dynamic_cast<const FloatingPointError*>(&error)) {
        return QString::fromUtf8(FloatFaultText(fp->fault()));
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
    } catch (const LinkOpenError& error) {
        Show(parent, ErrorName(error) + QLatin1Char('\n') + LinkAdvice(error), QString());
    } catch (const std::exception& error) {
        Show(parent, ErrorName(error), QString::fromUtf8(kCalculationAdvice));
    } catch (...) {
        Show(parent, QStringLiteral("程序内部错误"), QString::fromUtf8(kCalculationAdvice));
    }
}

void Tell(QWidget& parent, const QString& message)
{
    Show(&parent, message, QString(), QMessageBox::Information);
}

void Warn(QWidget& parent, const QString& message)
{
    Show(&parent, message, QString(), QMessageBox::Warning);
}

void ShowSaved(QWidget& window, const QString& path)
{
    auto* notice = new QLabel(QStringLiteral("已保存：") + QDir::toNativeSeparators(path), &window);
    notice->setObjectName(QStringLiteral("savedNotice"));
    notice->setTextFormat(Qt::PlainText);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice->setFrameStyle(QFrame::Box | QFrame::Plain);
    notice->setAutoFillBackground(true);
    notice->setBackgroundRole(QPalette::ToolTipBase);
    notice->setForegroundRole(QPalette::ToolTipText);
    notice->setMargin(4);
    notice->setMaximumWidth(window.width() - 16);
    notice->adjustSize();
    notice->move(8, window.height() - notice->height() - 8);
    notice->show();
    notice->raise();
    QTimer::singleShot(8000, notice, &QObject::deleteLater);
}

}  // namespace kelvora::ui
