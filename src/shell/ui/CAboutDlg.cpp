#include "shell/ui/CAboutDlg.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "shell/ShellMessages.h"
#include "shell/qt/QtText.h"
#include "shell/ui/ApplicationIcon.h"
#include "shell/ui/CColorStatic.h"
#include "shell/ui/CLinkLabel.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogUnitMapper.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

constexpr ColorRef kVersionColour = Rgb(0, 0, 128);
constexpr ColorRef kEmailColour = Rgb(0, 80, 180);
constexpr ColorRef kHomepageColour = Rgb(0, 120, 50);
constexpr int kVersionPoints = 11;
constexpr int kIconPixels = 32;

}  // namespace

CAboutDlg::CAboutDlg(const SettingsStore& store, QWidget* parent)
    : QDialog(parent),
      m_colours(new CSchemeWindowColors(*this, store)),
      m_version(new CColorStatic(DialogText(shell_text::kAboutVersion), this)),
      m_description(new CColorStatic(DialogText(shell_text::kAboutDescription), this)),
      m_email(new CLinkLabel(DialogText(shell_text::kAboutEmail), this)),
      m_homepage(new CLinkLabel(DialogText(shell_text::kAboutHomepage), this)),
      m_ok(new CSkinButton(DialogText(shell_text::kAboutOk), this)) {
    setWindowTitle(DialogText(shell_text::kAboutTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setFont(QFont(QStringLiteral("Arial"), 9));
    const DialogUnitMapper units(font());

    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(kIconPixels, kIconPixels));
    const QRect iconCell = units.ToPixels(16, 14, 0, 0);
    icon->setGeometry(iconCell.x(), iconCell.y(), kIconPixels, kIconPixels);

    m_version->SetTextColour(kVersionColour);
    m_version->SetPointSize(kVersionPoints);
    m_version->SetBold(true);
    m_version->SetTextLayout(Qt::AlignCenter);
    units.Place(*m_version, 52, 13, 168, 14);

    m_description->setWordWrap(true);
    m_description->SetTextLayout(Qt::AlignHCenter | Qt::AlignTop);
    units.Place(*m_description, 52, 30, 168, 20);

    auto* prompt = new QLabel(DialogText(shell_text::kAboutContactPrompt), this);
    units.Place(*prompt, 20, 57, 196, 9);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    units.Place(*frame, 20, 67, 196, 32);
    frame->lower();

    m_email->SetLinkColour(kEmailColour);
    m_email->setAlignment(Qt::AlignCenter);
    units.Place(*m_email, 28, 72, 180, 10);
    m_homepage->SetLinkColour(kHomepageColour);
    m_homepage->setAlignment(Qt::AlignCenter);
    units.Place(*m_homepage, 28, 85, 180, 10);

    units.Place(*m_ok, 93, 107, 50, 14);
    m_ok->setDefault(true);
    m_colours->AssignButton(*m_ok, kActionLook);
    connect(m_ok, &CSkinButton::clicked, this, &CAboutDlg::accept);

    setFixedSize(units.ToPixels(236, 130));
}

void CAboutDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!m_colours->IsTinted()) {
        return;
    }
    // Eleven nested one-pixel frames make the border.
    QPainter painter(this);
    painter.setPen(m_colours->DarkBackground());
    QRect frame = rect().adjusted(0, 0, -1, -1);
    for (int ring = 0; ring < kBorderWidth; ++ring) {
        painter.drawRect(frame);
        frame.adjust(1, 1, -1, -1);
    }
}

}  // namespace zyk
