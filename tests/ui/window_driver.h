#pragma once
// Drives the real window the way a person does: typing into boxes, clicking
// buttons, reading captions, and closing the error report when one appears.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <csignal>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "test_support.h"
#include "ui/widgets/result_copy.h"
#include "ui/window/main_window.h"

// Lets GoogleTest print Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace kelvora::testing {

// A UTF-8 text of the tables as a QString.
inline QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The six result labels, in the order of the pages.
inline constexpr ControlName kResultLabels[] = {
    role::kTenderFee, role::kBasePrice,  role::kComplexityCoefficient,
    role::kBenchmark, role::kChargedFee, role::kPeriod,
};

// Stands in for the desktop in every window test: the addresses and files
// the window asks to open are recorded, and nothing real is ever started,
// whether or not the machine has a browser or a PDF viewer.
class Desktop : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

struct Report {
    QString title;
    QString text;
};

class WindowTest : public ::testing::Test {
public:  // the helpers are used by the tables of cases too
    void SetUp() override
    {
        Handle("open");
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    void TearDown() override
    {
        for (const char* scheme : kSchemes) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }

    MainWindow& window() { return *m_window; }

    // What the window asked the desktop to open.
    const QList<QUrl>& Opened() const { return m_desktop.opened; }

    // From now on the desktop has no program for an address or a file: the
    // handler named is no method of the recorder, so opening fails.
    void RefuseToOpen() { Handle("noProgramForThis"); }

    template <typename T = QWidget>
    T* Get(ControlName name)
    {
        auto* widget = qobject_cast<T*>(m_window->control(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QTabWidget* Tabs() { return Get<QTabWidget>(role::kTabs); }

    void ShowPage(int page)
    {
        Tabs()->setCurrentIndex(page);
        QApplication::processEvents();
    }

    // Replaces the text of a text box (or the editable combo box) by typing it.
    void Type(ControlName name, const QString& text)
    {
        QWidget* widget = Get(name);
        QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            edit = combo->lineEdit();
        }
        ASSERT_NE(edit, nullptr) << name;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        bool ascii = true;
        for (QChar c : text) {
            ascii = ascii && c.unicode() < 0x80;
        }
        if (ascii) {
            QTest::keyClicks(edit, text);
        } else {
            // Chinese and full-width text arrives from the input method as one commit.
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(edit, &commit);
        }
        ASSERT_EQ(edit->text(), text) << name;
    }

    // A click as a person makes it; a check box or an option on its mark,
    // which is where it answers whatever width its caption has in the faces installed.
    void Click(ControlName name)
    {
        QWidget* widget = Get(name);
        if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
            return;
        }
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    QString Caption(ControlName name) { return Get<QLabel>(name)->text(); }

    // Every calculator worked out from usual inputs: a tender fee of 22.55,
    // a base price of 629.5, grade 较复杂, benchmark price 755.4, charged fee
    // 679.86 and a period of 0 days.
    void CalculateEverything()
    {
        ShowPage(0);
        Type(role::kTenderAmount, "6000");
        Click(role::kTenderCalculate);
        ShowPage(1);
        Type(role::kFeeBasis, "35000");
        Click(role::kBasePriceCalculate);
        Click(role::kComplexityModerate);
        Type(role::kDiscipline, "1.2");
        Type(role::kElevation, "1");
        Click(role::kBenchmarkCalculate);
        Type(role::kRange, "-10");
        Click(role::kChargedFeeCalculate);
        ShowPage(2);
        Click(role::kPeriodCalculate);
    }

    struct MenuItem {
        QString text;
        bool enabled;
        QString toolTip;
    };

    // Opens the context menu of `widget` at `at` (its centre by default),
    // notes its items, triggers the one whose text is `choice` if any, and
    // closes it.
    std::vector<MenuItem> ContextMenu(QWidget* widget, const QString& choice = {},
                                      std::optional<QPoint> at = std::nullopt)
    {
        std::vector<MenuItem> items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    items.push_back({action->text(), action->isEnabled(), action->toolTip()});
                }
                if (!choice.isEmpty() && action->text() == choice) {
                    chosen = action;
                }
            }
            menu->close();
            if (chosen != nullptr) {
                chosen->trigger();
            }
        });
        const QPoint point = at.value_or(widget->rect().center());
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, widget->mapToGlobal(point));
        QApplication::sendEvent(widget, &event);
        return items;
    }

    // Confirms the dialog asking for a sheet's header, if `modal` is it.
    static bool ConfirmSheetHeader(QWidget* modal)
    {
        if (modal == nullptr || modal->objectName() != QLatin1String("sheetHeaderDialog")) {
            return false;
        }
        QMetaObject::invokeMethod(modal, "accept", Qt::QueuedConnection);
        return true;
    }

    // What the dialogs of one save said and offered, in the order they came.
    struct SaveRun {
        QStringList files;                             // the file each save dialog first offered
        QStringList folders;                           // the folder each save dialog opened in
        QStringList told;                              // the texts of the message boxes shown
        QMessageBox::Icon icon = QMessageBox::NoIcon;  // of the last message box
    };

    // Runs `press` and goes through the dialogs it opens: a sheet's header
    // confirmed, `target` typed into the first save dialog's name box
    // (selectFile() of another folder settles only once the folder is read,
    // and a dialog of an earlier test may be remembered), any later save
    // dialog cancelled, message boxes read and closed. Each dialog is answered
    // once: a slow machine polls again before a queued answer has closed it.
    template <typename Press>
    static SaveRun ThroughSaveDialogs(const QString& target, Press&& press)
    {
        SaveRun run;
        const auto answerOnce = [](QObject* dialog) {
            if (dialog == nullptr || dialog->property("answered").toBool()) {
                return false;
            }
            dialog->setProperty("answered", true);
            return true;
        };
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (ConfirmSheetHeader(modal)) {
                return;
            }
            if (auto* dialog = qobject_cast<QFileDialog*>(modal); answerOnce(dialog)) {
                run.files << dialog->selectedFiles().value(0);
                run.folders << dialog->directory().absolutePath();
                if (run.files.size() == 1) {
                    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(target);
                    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                } else {
                    QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                }
            } else if (auto* box = qobject_cast<QMessageBox*>(modal); answerOnce(box)) {
                run.told << box->text();
                run.icon = box->icon();
                QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
            }
        });
        poll.start();
        press();
        poll.stop();
        return run;
    }

    struct Saved {
        QString proposed;  // the file name the save dialog first offered
        QString told;      // the text of a message box shown after it, if any
    };

    // Presses Ctrl+S on `focus` and saves the sheet as `target`.
    static Saved SaveThroughDialogs(QWidget* focus, const QString& target)
    {
        const SaveRun run = ThroughSaveDialogs(target, [&] {
            focus->setFocus();
            QTest::keySequence(focus, QKeySequence::Save);
        });
        return {run.files.value(0), run.told.value(run.told.size() - 1)};
    }

    // Runs `write` as on a nearly full disk: no file of this process may grow
    // past `bytes` while it runs. Windows has no such limit: the tests that
    // need it skip there (KELVORA_POSIX_ONLY).
    template <typename Write>
    static auto OnANearlyFullDisk(long bytes, Write&& write)
    {
#ifdef _WIN32
        ADD_FAILURE() << "no file size limit on Windows (" << bytes << " bytes)";
        return write();
#else
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &small);
        auto result = write();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        return result;
#endif
    }

    // Runs `action`; if it raises a modal report, records it and closes it.
    std::optional<Report> WithReport(const std::function<void()>& action)
    {
        std::optional<Report> seen;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = Report{box->windowTitle(), box->text()};
                box->accept();
            }
        });
        poll.start();
        action();
        poll.stop();
        return seen;
    }

private:
    static constexpr const char* kSchemes[] = {"http", "https", "file"};

    void Handle(const char* method)
    {
        for (const char* scheme : kSchemes) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_desktop, method);
        }
    }

    Desktop m_desktop;
    std::unique_ptr<MainWindow> m_window;
};

// The same, for tests that need something of the machine beyond building
// (CJK faces, a limit on file sizes); CTest labels them "system".
class WindowSystemTest : public WindowTest {};

}  // namespace kelvora::testing
