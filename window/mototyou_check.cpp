// The month check's mark beside the month frame.
#include <QLabel>
#include <QPushButton>
#include <map>

#include "consistency_check.h"
#include "grobal.h"
#include "mototyou.h"
#include "screen_font.h"

namespace {

// Findings listed in the message; the rest are counted.
constexpr std::size_t kListedFindings = 20;

QString KindText(const std::string& kind) {
    static const std::map<std::string, const char*> kTexts{
        {kUnbalancedSlip, "貸借の合わない伝票"},         {kDateOutsideMonth, "月の外の日付"},
        {kDayOutOfRange, "日が1〜31でない日付"},         {kUnknownAccount, "勘定科目にない科目"},
        {kBeyondButtons, "ボタンに並ばない科目"},        {kDuplicateAccount, "二度ある科目名"},
        {kCarryForwardMismatch, "前月の累計と違う繰越"},
    };
    const auto text = kTexts.find(kind);
    return QString::fromUtf8(text == kTexts.end() ? kind.c_str() : text->second);
}

QString FindingsText(const std::vector<Finding>& findings) {
    QString text = QStringLiteral("この月のデータに次の点があります。\n");
    for (std::size_t i = 0; i < findings.size() && i < kListedFindings; ++i) {
        const Finding& finding = findings[i];
        text += QStringLiteral("\n") + KindText(finding.kind) + QStringLiteral("　") +
                QString::fromStdString(finding.where) + QStringLiteral("　") +
                QString::fromStdString(finding.detail);
    }
    if (findings.size() > kListedFindings) {
        text += QStringLiteral("\nほか %1 件").arg(findings.size() - kListedFindings);
    }
    return text;
}

}  // namespace

// In the free band between the month frame and the 印刷 button.
void Mototyou::CreateCheckMark() {
    CheckMark = new QPushButton(QStringLiteral("⚠"), content_);
    CheckMark->setObjectName(QStringLiteral("CheckMark"));
    CheckMark->setGeometry(700, 16, 28, 28);
    CheckMark->setFont(ScreenFont(QStringLiteral("DejaVu Sans"), 18));
    CheckMark->setFlat(true);
    CheckMark->setFocusPolicy(Qt::NoFocus);
    QPalette palette = CheckMark->palette();
    palette.setColor(QPalette::ButtonText, QColor(0xC0, 0x60, 0x00));
    CheckMark->setPalette(palette);
    CheckMark->setToolTip(QStringLiteral("この月のデータに不整合があります"));
    CheckMark->hide();
    connect(CheckMark, &QPushButton::clicked, this, &Mototyou::CheckMark_Action);
}

void Mototyou::CheckMonthInForce() {
    findings_ = CheckMonth(Grobal::gBasicPath, DateField->text().toStdString());
    CheckMark->setVisible(!findings_.empty());
}

void Mototyou::CheckMark_Action() {
    ShowMessage(environment_.print, this, FindingsText(findings_));
}
