#include "ui/sheet/sheet_header_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "ui/common/agency_settings.h"

namespace kelvora::ui {
namespace {

constexpr auto& kFields = kSheetHeaderFields;

// The header typed for the sheets of this run, kept by the window.
class HeaderMemory : public QObject {
public:
    explicit HeaderMemory(QWidget& window) : QObject(&window) {}
    SheetHeader header;
};

}  // namespace

bool AskSheetHeader(QWidget& parent, SheetHeader& header, const QString& what)
{
    // the top window: the main window, also for its batch windows
    QWidget* window = parent.window();
    while (window->parentWidget() != nullptr) {
        window = window->parentWidget()->window();
    }
    HeaderMemory* memory = nullptr;
    for (QObject* child : window->children()) {
        memory = memory != nullptr ? memory : dynamic_cast<HeaderMemory*>(child);
    }
    if (memory == nullptr) {
        memory = new HeaderMemory(*window);
        // the agency as saved in its details, if it was
        QSettings settings;
        memory->header.agency = LoadKept(settings).agency.name;
    }
    SheetHeaderDialog dialog(memory->header, &parent, what);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    memory->header = dialog.header();
    header = memory->header;
    return true;
}

SheetHeaderDialog::SheetHeaderDialog(const SheetHeader& header, QWidget* parent,
                                     const QString& what)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("sheetHeaderDialog"));
    setWindowTitle(what + QStringLiteral("表头"));
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        m_fields[i] = new QLineEdit(header.*kFields[i].value, this);
        m_fields[i]->setMinimumWidth(260);
        m_fields[i]->setPlaceholderText(QStringLiteral("可不填"));
        form->addRow(QString::fromUtf8(kFields[i].name) + QStringLiteral("："), m_fields[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    for (std::size_t i = 0; i + 1 < m_fields.size(); ++i) {
        setTabOrder(m_fields[i], m_fields[i + 1]);
    }
    m_fields.front()->setFocus();
}

SheetHeader SheetHeaderDialog::header() const
{
    SheetHeader header;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        header.*kFields[i].value = m_fields[i]->text().trimmed();
    }
    return header;
}

}  // namespace kelvora::ui
