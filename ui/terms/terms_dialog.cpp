#include "ui/terms/terms_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/decimal_text.h"
#include "calc/number_text.h"
#include "ui/common/qt_text.h"

namespace kelvora::ui {
namespace {

struct KindChoice {
    TermsKind kind;
    const char* text;
};

constexpr KindChoice kKinds[] = {
    {TermsKind::Standard, "按标准收取"},
    {TermsKind::Share, "按标准的一定比例收取"},
    {TermsKind::Discount, "按标准下浮一定比例收取"},
    {TermsKind::FlatRate, "按中标金额的费率计取"},
};

struct ScheduleChoice {
    const char* id;
    const char* text;
};

constexpr ScheduleChoice kSchedules[] = {
    {"2002", "计价格〔2002〕1980号"},
    {"2011", "计价格〔2002〕1980号，按发改价格〔2011〕534号调整（5 亿元以上费率与收费上限）"},
};

// A number typed in a box: blank is 0; nothing where it is no plain number.
std::optional<double> Typed(const QLineEdit* box)
{
    const std::string text = box->text().toStdString();
    if (IsBlank(text)) {
        return 0.0;
    }
    const std::string_view trimmed = Trimmed(text);
    try {
        const LeadingNumber number = ReadLeadingNumber(trimmed);
        if (number.length == trimmed.size()) {
            return number.value;
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

}  // namespace

TermsDialog::TermsDialog(const FeeTerms& terms, const AgencyDetails& agency, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("termsDialog"));
    setWindowTitle(QStringLiteral("收费条件与代理机构"));

    auto* termsBox = new QGroupBox(QStringLiteral("招标代理服务收费条件"), this);
    auto* termsForm = new QFormLayout(termsBox);
    m_schedule = new QComboBox(termsBox);
    m_schedule->setObjectName(QStringLiteral("termsSchedule"));
    for (const ScheduleChoice& choice : kSchedules) {
        m_schedule->addItem(QString::fromUtf8(choice.text), QString::fromUtf8(choice.id));
    }
    m_schedule->setCurrentIndex(std::max(0, m_schedule->findData(ToQString(terms.schedule))));
    m_kind = new QComboBox(termsBox);
    m_kind->setObjectName(QStringLiteral("termsKind"));
    for (const KindChoice& choice : kKinds) {
        m_kind->addItem(QString::fromUtf8(choice.text), static_cast<int>(choice.kind));
    }
    m_kind->setCurrentIndex(m_kind->findData(static_cast<int>(terms.kind)));
    m_percent = new QLineEdit(
        terms.kind == TermsKind::Standard ? QString() : ToQString(FormatGeneral(terms.percent)),
        termsBox);
    m_percent->setObjectName(QStringLiteral("termsPercent"));
    m_percent->setPlaceholderText(QStringLiteral("例如 80、20 或 1.5"));
    m_minimum = new QLineEdit(
        terms.minimumYuan > 0 ? ToQString(FormatGeneral(terms.minimumYuan)) : QString(), termsBox);
    m_minimum->setObjectName(QStringLiteral("termsMinimum"));
    m_minimum->setPlaceholderText(QStringLiteral("不设最低收费时不填"));
    m_problem = new QLabel(termsBox);
    m_problem->setTextFormat(Qt::PlainText);  // it may quote what was typed
    m_problem->setObjectName(QStringLiteral("termsProblem"));
    m_problem->setStyleSheet(QStringLiteral("color: #c00000"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    termsForm->addRow(QStringLiteral("收费标准："), m_schedule);
    termsForm->addRow(QStringLiteral("收费方式："), m_kind);
    termsForm->addRow(QStringLiteral("比例或费率（%）："), m_percent);
    termsForm->addRow(QStringLiteral("最低收费（元）："), m_minimum);
    termsForm->addRow(m_problem);
    const auto kindChanged = [this] {
        m_percent->setEnabled(m_kind->currentData().toInt() !=
                              static_cast<int>(TermsKind::Standard));
    };
    connect(m_kind, &QComboBox::currentIndexChanged, this, kindChanged);
    kindChanged();

    auto* agencyBox = new QGroupBox(QStringLiteral("代理机构（用于计算书表头和收费通知书）"), this);
    auto* agencyForm = new QFormLayout(agencyBox);
    for (std::size_t i = 0; i < kAgencyFields.size(); ++i) {
        const AgencyField& field = kAgencyFields[i];
        const QString value = agency.*field.value;
        if (field.value == &AgencyDetails::payer) {
            auto* payer = new QComboBox(agencyBox);
            for (const char* each : kPayers) {
                payer->addItem(QString::fromUtf8(each));
            }
            payer->setCurrentIndex(std::max(0, payer->findText(value)));
            m_fields[i] = payer;
        } else {
            auto* edit = new QLineEdit(value, agencyBox);
            edit->setMinimumWidth(300);
            if (field.value == &AgencyDetails::payment) {
                edit->setPlaceholderText(QStringLiteral("例如：领取中标通知书时一次付清"));
            }
            m_fields[i] = edit;
        }
        m_fields[i]->setObjectName(QStringLiteral("agency_") + QLatin1String(field.key));
        agencyForm->addRow(QString::fromUtf8(field.name) + QStringLiteral("："), m_fields[i]);
    }

    auto* note = new QLabel(
        QStringLiteral("保存后记在本机，下次启动时沿用；不保存则程序不在本机记下任何内容。"), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("保存"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(termsBox);
    layout->addWidget(agencyBox);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

FeeTerms TermsDialog::terms() const
{
    FeeTerms terms;
    terms.schedule = m_schedule->currentData().toString().toStdString();
    terms.kind = static_cast<TermsKind>(m_kind->currentData().toInt());
    terms.percent = terms.kind == TermsKind::Standard ? 0 : Typed(m_percent).value_or(-1);
    terms.minimumYuan = Typed(m_minimum).value_or(-1);
    return terms;
}

AgencyDetails TermsDialog::agency() const
{
    AgencyDetails agency;
    for (std::size_t i = 0; i < kAgencyFields.size(); ++i) {
        const QWidget* field = m_fields[i];
        const auto* combo = qobject_cast<const QComboBox*>(field);
        agency.*kAgencyFields[i].value =
            (combo != nullptr ? combo->currentText() : static_cast<const QLineEdit*>(field)->text())
                .trimmed();
    }
    return agency;
}

QString TermsDialog::Check()
{
    QString problem;
    QLineEdit* at = nullptr;
    if (!Typed(m_minimum)) {
        problem = QStringLiteral("最低收费应是一个数（元），不设时不填");
        at = m_minimum;
    } else if (m_percent->isEnabled() && !Typed(m_percent)) {
        problem = QStringLiteral("比例或费率应是一个数，例如 80 或 1.5");
        at = m_percent;
    } else {
        problem = ToQString(TermsProblem(terms()));
        at = problem.contains(QStringLiteral("最低")) ? m_minimum : m_percent;
    }
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    if (!problem.isEmpty() && at != nullptr) {
        at->setFocus();
        at->selectAll();
    }
    return problem;
}

void TermsDialog::accept()
{
    if (Check().isEmpty()) {
        QDialog::accept();
    }
}

}  // namespace kelvora::ui
