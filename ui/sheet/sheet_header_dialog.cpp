#include "ui/sheet/sheet_header_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora::ui {
namespace {

// The fields in the order they are asked for and printed.
constexpr std::array<std::pair<const char*, QString SheetHeader::*>, 7> kFields{{
    {"项目名称", &SheetHeader::project},
    {"项目编号", &SheetHeader::projectNumber},
    {"标段", &SheetHeader::lot},
    {"招标人（委托人）", &SheetHeader::client},
    {"代理机构", &SheetHeader::agency},
    {"编制人", &SheetHeader::preparedBy},
    {"复核人", &SheetHeader::checkedBy},
}};

}  // namespace

SheetHeaderDialog::SheetHeaderDialog(const SheetHeader& header, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("sheetHeaderDialog"));
    setWindowTitle(QStringLiteral("计算书表头"));
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const auto& [name, member] = kFields[i];
        m_fields[i] = new QLineEdit(header.*member, this);
        m_fields[i]->setMinimumWidth(260);
        m_fields[i]->setPlaceholderText(QStringLiteral("可不填"));
        form->addRow(QString::fromUtf8(name) + QStringLiteral("："), m_fields[i]);
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
        header.*kFields[i].second = m_fields[i]->text().trimmed();
    }
    return header;
}

}  // namespace kelvora::ui
